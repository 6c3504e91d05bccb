#include "app/DisplayFailureGuard.h"

#include "app/CommandLine.h"
#include "app/Translations.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace kestrelink::app {

namespace {

// Qt's warnings on the way to the failure name plugins and folders, which say nothing to a
// player; they are held back until it is known whether the failure comes.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> heldMessages;
QtMessageHandler previousHandler = nullptr;

void answerFailure(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        heldMessages.append({type, QByteArray(context.category), message});
        return;
    }
    // The application object exists this far, so its translators can be installed. The program
    // ends here without unwinding, as Qt would, minus the abort.
    if (QCoreApplication* app = QCoreApplication::instance())
        installTranslations(*app, QLocale());
    std::fputs(commandLineAnswer(CommandLineRequest::NoDisplay).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

DisplayFailureGuard::DisplayFailureGuard() {
    previousHandler = qInstallMessageHandler(&answerFailure);
}

DisplayFailureGuard::~DisplayFailureGuard() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : std::exchange(heldMessages, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace kestrelink::app
