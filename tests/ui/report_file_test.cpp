// Saving the game report: whole replacement, failures that leave files alone, and the input box
// with its answers.
#include "report/SettingsReport.h"
#include "ui/common/ReportFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

using namespace kestrelink;
using namespace kestrelink::ui;

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

// Answers the next modal dialog of type T once it is on screen. Gives up after five seconds,
// closing whatever modal dialog is open, so a missing dialog fails the test instead of hanging.
template <typename T> void whenModal(std::function<void(T*)> answer) {
    auto* timer = new QTimer(qApp);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, ticks, answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            if (++*ticks < 500)
                return;
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
        } else {
            answer(dialog);
        }
        timer->stop();
        timer->deleteLater();
    });
    timer->start(10);
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

    void writingReplacesAnExistingFileEntirely() {
        const QString name = folder_.filePath("report.txt");
        const std::string first = longReport();
        const std::string second = "short\r\n";
        QVERIFY(first.size() > 1000);

        QCOMPARE(writeReportFile(name, first), std::nullopt);
        QCOMPARE(contentsOf(name), QByteArray::fromStdString(first));
        QCOMPARE(writeReportFile(name, second), std::nullopt);
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
        QCOMPARE(writeReportFile(name, "x\r\n"), std::nullopt);
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

        const QString targets[] = {
            folder_.filePath("missing/report.txt"),
            folder_.filePath("folder"),
            existing + "/report.txt",
        };
        for (const QString& target : targets) {
            const auto error = writeReportFile(target, longReport());
            QVERIFY2(error.has_value(), qPrintable(target));
            QVERIFY2(error->contains(target), qPrintable(*error));
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
        const auto error = writeReportFile(name, longReport());
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedSignal);

        QVERIFY(error.has_value());
        QVERIFY2(error->contains("disk"), qPrintable(*error));
        QCOMPARE(contentsOf(name), before);
        QCOMPARE(entriesOf(folder_.path()), QStringList{"report.txt"});
        QVERIFY(QFile::remove(name));
    }

    void aFolderWithoutWritePermissionLeavesItsFileAlone() {
        if (geteuid() == 0)
            QSKIP("the superuser writes into any folder");
        QDir(folder_.path()).mkdir("locked");
        const QString name = folder_.filePath("locked/report.txt");
        writeFile(name, "kept\r\n");
        QFile::setPermissions(folder_.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner |
                                                              QFile::ReadUser | QFile::ExeUser);
        const auto error = writeReportFile(name, longReport());
        QFile::setPermissions(folder_.filePath("locked"), QFile::ReadOwner | QFile::WriteOwner |
                                                              QFile::ExeOwner | QFile::ReadUser |
                                                              QFile::WriteUser | QFile::ExeUser);
        QVERIFY(error.has_value());
        QCOMPARE(contentsOf(name), QByteArray("kept\r\n"));
        QVERIFY(QDir(folder_.filePath("locked")).removeRecursively());
    }

    void anEmptyNameWritesNothing() {
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder_.path()));
        const auto error = writeReportFile(QString(), longReport());
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

private:
    QTemporaryDir folder_;
};

QTEST_MAIN(ReportFileTest)
#include "report_file_test.moc"
