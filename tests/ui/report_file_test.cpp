// Saving the game report: whole replacement, a file with other names or of another owner written
// in place, failures that leave files alone, and the input box with its answers.
#include "WindowTestSupport.h"
#include "report/SettingsReport.h"
#include "ui/game/ReportDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <tuple>
#include <unistd.h>

using namespace kestrelink;
using namespace kestrelink::ui;
using kestrelink::ui::testing::whenModal;

namespace {

QByteArray contentsOf(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The kind, device and inode of what a name is, without following a link.
QString nodeOf(const QString& name) {
    struct stat status {};
    if (lstat(QFile::encodeName(name).constData(), &status) != 0)
        return QStringLiteral("missing");
    return QStringLiteral("%1 %2 %3").arg(status.st_mode).arg(status.st_rdev).arg(status.st_ino);
}

std::string longReport() {
    SettingsReportInput input;
    input.dateTimeText = "2026-08-12 02:31:05";
    input.colorCountText = "10";
    input.pcCountText = "16";
    input.NumberOfPCs = 16;
    input.AllPcConnectorsPlugged = true;
    input.pcConnectorColors.assign(32, 0x00FFC0FF);
    input.cableConnectorColors.assign(32, 0x00FFC0FF);
    return settingsReportText(input);
}

// Counts its calls and hands out a fixed text.
struct TextMaker {
    std::string text;
    int calls = 0;
    std::function<std::string()> function() {
        return [this] {
            ++calls;
            return text;
        };
    }
};

} // namespace

class ReportFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(folder_.isValid()); }

    // Each test starts with an empty folder, whatever the one before left behind.
    void cleanup() {
        chmod(QFile::encodeName(folder_.filePath("locked")).constData(), 0755);
        QVERIFY(QDir(folder_.path()).removeRecursively() && QDir().mkpath(folder_.path()));
    }

    void writingReplacesAnExistingFileEntirely() {
        const QString name = folder_.filePath("report.txt");
        const std::string first = longReport();
        const std::string second = "short\r\n";
        QVERIFY(first.size() > 1000);

        QCOMPARE(saveReport(name, first), std::nullopt);
        QCOMPARE(contentsOf(name), QByteArray::fromStdString(first));
        QCOMPARE(saveReport(name, second), std::nullopt);
        QCOMPARE(contentsOf(name), QByteArray::fromStdString(second));

        // A new file gets the same permissions as any file the program creates, not the
        // temporary file's private ones; no temporary file stays behind.
        QFile plain(folder_.filePath("plain.txt"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QCOMPARE(QFile(name).permissions(), plain.permissions());
        QCOMPARE(entriesOf(folder_.path()), (QStringList{"plain.txt", "report.txt"}));
        QVERIFY(plain.remove() && QFile::remove(name));
    }

    void aNameWithAnyCharactersIsTakenAsTyped() {
        const QString name = folder_.filePath(QStringLiteral("Bericht über Spiel #1 (ç).txt"));
        QCOMPARE(saveReport(name, "x\r\n"), std::nullopt);
        QVERIFY(QFile::exists(name));
        QCOMPARE(contentsOf(name), QByteArray("x\r\n"));
        QVERIFY(QFile::remove(name));
    }

    void anUnwritableNameReportsAnErrorAndTouchesNothing() {
        const QByteArray before = "the earlier report\r\n";
        const QString existing = folder_.filePath("existing.txt");
        writeFile(existing, before);
        QDir(folder_.path()).mkdir("folder");
        const QString inFolder = folder_.filePath("folder/kept.txt");
        writeFile(inFolder, before);

        const std::pair<QString, QString> cases[] = {
            {folder_.filePath("missing/report.txt"), "does not exist"},
            {folder_.filePath("folder"), "is a folder"},
            {existing + "/report.txt", "is not a folder"},
        };
        for (const auto& [target, reason] : cases) {
            const auto error = saveReport(target, longReport());
            QVERIFY2(error.value_or("").contains(reason), qPrintable(target));
        }
        QCOMPARE(contentsOf(existing), before);
        QCOMPARE(contentsOf(inFolder), before);
        QCOMPARE(entriesOf(folder_.filePath("folder")), QStringList{"kept.txt"});
        QCOMPARE(entriesOf(folder_.path()), (QStringList{"existing.txt", "folder"}));
        QVERIFY(QFile::remove(existing) && QDir(folder_.filePath("folder")).removeRecursively());
    }

    void aWriteCutShortLeavesTheEarlierFileWhole() {
        const QByteArray before = "the earlier report\r\n";
        const QString name = folder_.filePath("report.txt");
        writeFile(name, before);

        // A file size limit stands in for a full disk; it binds even the superuser.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 512;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const auto error = saveReport(name, longReport());
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedSignal);

        QVERIFY(error.has_value());
        QVERIFY2(error->contains("disk"), qPrintable(*error));
        QCOMPARE(contentsOf(name), before);
        QCOMPARE(entriesOf(folder_.path()), QStringList{"report.txt"});
        QVERIFY(QFile::remove(name));
    }

    void aFolderWithoutWritePermissionTakesOnlyAWritableFileInPlace() {
        if (geteuid() == 0)
            QSKIP("the superuser writes into any folder; report_file_runs.sh user runs this");
        QVERIFY(QDir(folder_.path()).mkdir("locked"));
        const QString writable = folder_.filePath("locked/writable.txt");
        const QString readOnly = folder_.filePath("locked/read-only.txt");
        writeFile(writable, "the earlier, longer report\r\n");
        writeFile(readOnly, "kept\r\n");
        const QString node = nodeOf(writable);
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner));
        QVERIFY(
            QFile::setPermissions(folder_.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(saveReport(writable, "new\r\n"), std::nullopt);
        QVERIFY(saveReport(readOnly, "new\r\n").value_or("").contains("read-only"));
        QCOMPARE(contentsOf(writable), QByteArray("new\r\n"));
        QCOMPARE(nodeOf(writable), node);
        QCOMPARE(contentsOf(readOnly), QByteArray("kept\r\n"));
        QCOMPARE(entriesOf(folder_.filePath("locked")),
                 (QStringList{"read-only.txt", "writable.txt"}));
    }

    void aReplacedFileKeepsItsModeAndOnlyTheSuperuserReplacesAReadOnlyOne() {
        for (const QFile::Permissions permissions :
             {QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup,
              QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther}) {
            const QString name = folder_.filePath("report.txt");
            writeFile(name, "kept\r\n");
            QVERIFY(QFile::setPermissions(name, permissions));
            const bool replaced = permissions.testFlag(QFile::WriteOwner) || geteuid() == 0;
            QCOMPARE(saveReport(name, "new\r\n").has_value(), !replaced);
            QCOMPARE(contentsOf(name), QByteArray(replaced ? "new\r\n" : "kept\r\n"));
            QCOMPARE(QFile::permissions(name) & 0x7077, permissions);
            QCOMPARE(entriesOf(folder_.path()), QStringList{"report.txt"});
            QVERIFY(QFile::remove(name));
        }
    }

    // A file with other names, of another owner, or of a group the user is not in, is written in
    // place: every name shows the new text and the file keeps its owner and group. The
    // superuser's run hands a file to the user 65534; report_file_runs.sh user gives that user
    // the superuser's files in a folder anyone may write into.
    void aFileWithOtherNamesOrAnotherOwnerIsWrittenInPlace() {
        QStringList names{folder_.filePath("linked.txt")};
        writeFile(names[0], "kept\r\n");
        const QString otherName = folder_.filePath("other-name.txt");
        QCOMPARE(
            link(QFile::encodeName(names[0]).constData(), QFile::encodeName(otherName).constData()),
            0);
        const QString foreign = qEnvironmentVariable("KESTRELINK_FOREIGN_FILES");
        if (!foreign.isEmpty()) {
            for (const QString& name : entriesOf(foreign))
                names << QDir(foreign).filePath(name);
        } else if (geteuid() == 0) {
            names << folder_.filePath("foreign.txt");
            writeFile(names.back(), "kept\r\n");
            QCOMPARE(chown(QFile::encodeName(names.back()).constData(), 65534, 65534), 0);
        }
        for (const QString& name : names) {
            struct stat before {};
            QCOMPARE(stat(QFile::encodeName(name).constData(), &before), 0);
            QCOMPARE(saveReport(name, "new\r\n"), std::nullopt);
            struct stat after {};
            QCOMPARE(stat(QFile::encodeName(name).constData(), &after), 0);
            qInfo("%s: owner %u:%u -> %u:%u, inode %lu -> %lu, links %lu -> %lu",
                  qPrintable(QFileInfo(name).fileName()), before.st_uid, before.st_gid,
                  after.st_uid, after.st_gid, static_cast<unsigned long>(before.st_ino),
                  static_cast<unsigned long>(after.st_ino),
                  static_cast<unsigned long>(before.st_nlink),
                  static_cast<unsigned long>(after.st_nlink));
            QCOMPARE(contentsOf(name), QByteArray("new\r\n"));
            QCOMPARE(after.st_ino, before.st_ino);
            QCOMPARE(after.st_uid, before.st_uid);
            QCOMPARE(after.st_gid, before.st_gid);
            QCOMPARE(after.st_mode, before.st_mode);
        }
        QCOMPARE(contentsOf(otherName), QByteArray("new\r\n"));
        QCOMPARE(entriesOf(folder_.path()).filter(".kestrelink"), QStringList());
    }

    void aDevicePipeOrSystemFileIsRefusedUntouched() {
        const QString fifo = folder_.filePath("fifo");
        const QString device = folder_.filePath("full");
        const QString link = folder_.filePath("link");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0666), 0);
        if (mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            qInfo("No copy of the /dev/full node: %s; /dev/full stands in", strerror(errno));
        QVERIFY(QFile::link("/dev/full", link));
        const QStringList before = entriesOf(folder_.path());
        const std::pair<QString, QString> cases[] = {{fifo, "is a pipe"},
                                                     {device, "is a device"},
                                                     {link, "is a link to a device"},
                                                     {"/dev/full", "is a device"},
                                                     {"/proc/version", "system area"}};
        for (const auto& [name, reason] : cases) {
            const QString node = nodeOf(name);
            if (node == "missing")
                continue;
            QVERIFY(saveReport(name, longReport()).value_or("").contains(reason));
            QCOMPARE(nodeOf(name), node);
        }
        QCOMPARE(entriesOf(folder_.path()), before);
    }

    // Needs a full disk, which tests/ui/report_file_runs.sh makes as a tiny private tmpfs.
    void aFullDiskSaysSoAndKeepsTheEarlierFile() {
        const QString disk = qEnvironmentVariable("KESTRELINK_FULL_DISK");
        if (disk.isEmpty())
            QSKIP("no full disk here; report_file_runs.sh full-disk runs this on one");
        writeFile(disk + "/report.txt", "kept\r\n");
        QFile filler(disk + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        QVERIFY(
            saveReport(disk + "/report.txt", longReport()).value_or("").contains("disk is full"));
        QCOMPARE(contentsOf(disk + "/report.txt"), QByteArray("kept\r\n"));
        QCOMPARE(entriesOf(disk), (QStringList{"filler", "report.txt"}));
    }

    void anEmptyNameWritesNothing() {
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder_.path()));
        const auto error = saveReport(QString(), longReport());
        QVERIFY(QDir::setCurrent(saved));
        QCOMPARE(error, std::nullopt);
        QVERIFY(entriesOf(folder_.path()).isEmpty());
    }

    void theInputBoxOffersTheDefaultNameAndWritesTheAnswer() {
        QWidget parent;
        const QString defaultName = folder_.filePath("KestrelinkGameSettingsFile.txt");
        const QString chosen = folder_.filePath("chosen.txt");
        TextMaker maker{"report\r\n"};
        bool seen = false;
        whenModal<QInputDialog>([&](QInputDialog* dialog) {
            seen = true;
            QCOMPARE(dialog->windowTitle(), QString("Kestrelink Game Settings Dump"));
            QCOMPARE(dialog->labelText(),
                     QString("Enter the filename you wish to use and Press the OK Button if you "
                             "wish to dump the current game settings\n\nOtherwise Press Cancel"));
            QCOMPARE(dialog->textValue(), defaultName);
            QCOMPARE(dialog->inputMode(), QInputDialog::TextInput);
            QCOMPARE(dialog->parentWidget(), &parent);
            dialog->setTextValue(chosen);
            dialog->accept();
        });
        offerReport(&parent, defaultName, maker.function());
        QVERIFY(seen);
        QCOMPARE(maker.calls, 1);
        QCOMPARE(contentsOf(chosen), QByteArray("report\r\n"));
        QVERIFY(!QFile::exists(defaultName));
        QVERIFY(QFile::remove(chosen));
    }

    void okOnTheDefaultWritesTheDefaultFile() {
        const QString defaultName = folder_.filePath("KestrelinkGameSettingsFile.txt");
        TextMaker maker{"default\r\n"};
        whenModal<QInputDialog>([](QInputDialog* dialog) { dialog->accept(); });
        offerReport(nullptr, defaultName, maker.function());
        QCOMPARE(contentsOf(defaultName), QByteArray("default\r\n"));
        QVERIFY(QFile::remove(defaultName));
    }

    void cancelOrAnEmptyAnswerWritesAndShowsNothing() {
        const QString defaultName = folder_.filePath("KestrelinkGameSettingsFile.txt");
        TextMaker maker{"never\r\n"};
        whenModal<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
        offerReport(nullptr, defaultName, maker.function());

        whenModal<QInputDialog>([](QInputDialog* dialog) {
            dialog->setTextValue(QString());
            dialog->accept();
        });
        offerReport(nullptr, defaultName, maker.function());

        QCOMPARE(maker.calls, 0);
        QVERIFY(entriesOf(folder_.path()).isEmpty());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void aFailedWriteIsShownAsAWarning() {
        const QString target = folder_.filePath("missing/report.txt");
        TextMaker maker{"report\r\n"};
        QString warningTitle;
        QString warningText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenModal<QInputDialog>([&](QInputDialog* dialog) {
            whenModal<QMessageBox>([&](QMessageBox* box) {
                warningTitle = box->windowTitle();
                warningText = box->text();
                icon = box->icon();
                box->accept();
            });
            dialog->setTextValue(target);
            dialog->accept();
        });
        offerReport(nullptr, folder_.filePath("KestrelinkGameSettingsFile.txt"), maker.function());
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(warningTitle, QString("Kestrelink Game Settings Dump"));
        QVERIFY2(warningText.contains(target), qPrintable(warningText));
        QVERIFY(entriesOf(folder_.path()).isEmpty());
    }

    // A long name is elided in the middle; a control character is refused and shown.
    void aLongOrBrokenNameGivesAWarningThatFitsTheScreen() {
        const std::tuple<QString, QString, QString> cases[] = {
            {QString(4096, 'n'), "nnnn\u2026nnnn", "The name is too long."},
            {"pasted.txt\n", "\"pasted.txt\u21B5\"", "contains a line break (shown as \u21B5)"},
            {"a\tb.txt", "\"a\u2192b.txt\"", "contains a tab (shown as \u2192)"},
            {"a\x1b.txt", "\"a\uFFFD.txt\"", "contains a control character (shown as \uFFFD)"},
        };
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder_.path()));
        for (const auto& [name, shown, reason] : cases) {
            QString text;
            whenModal<QInputDialog>([&, name = name](QInputDialog* dialog) {
                whenModal<QMessageBox>([&](QMessageBox* box) {
                    const QRect screen = box->screen()->availableGeometry();
                    const QAbstractButton* ok = box->button(QMessageBox::Ok);
                    if (screen.contains(box->frameGeometry()) && box->width() <= 1024 &&
                        box->height() <= 768 &&
                        screen.contains(QRect(ok->mapToGlobal(QPoint()), ok->size())))
                        text = box->text();
                    box->accept();
                });
                dialog->setTextValue(name);
                dialog->accept();
            });
            offerReport(nullptr, name, [] { return std::string("x\r\n"); });
            QVERIFY2(text.contains(shown) && text.contains(reason), qPrintable(text));
        }
        QVERIFY(QDir::setCurrent(saved));
        QVERIFY(entriesOf(folder_.path()).isEmpty());
    }

private:
    QTemporaryDir folder_;
};

QTEST_MAIN(ReportFileTest)
#include "report_file_test.moc"
