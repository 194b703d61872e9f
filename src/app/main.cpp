#include "app/MainWindowController.h"
#include "app/SessionEnd.h"
#include "platform/Log.h"
#include <QApplication>
#include <QFileOpenEvent>
#include <QIcon>

namespace {
// Documents handed over by the desktop after start arrive as file-open events.
class DocumentEvents : public QObject {
public:
    explicit DocumentEvents(MainWindowController& controller)
        : m_controller(controller)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FileOpen) {
            m_controller.openFiles({static_cast<QFileOpenEvent*>(event)->file()});
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    MainWindowController& m_controller;
};
}

int main(int argc, char* argv[])
{
    Q_INIT_RESOURCE(kelvan);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvan"));
    QApplication::setOrganizationName(QStringLiteral("Kelvan"));
    QApplication::setApplicationVersion(QStringLiteral(KELVAN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("kelvan"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kelvan.svg")));
    QApplication::setQuitOnLastWindowClosed(false);

    MainWindowController controller;
    if (!controller.launch())
        return 1;

    DocumentEvents documents(controller);
    app.installEventFilter(&documents);
    const QStringList files = app.arguments().mid(1);
    if (!files.isEmpty())
        controller.openFiles(files);

    // Logout and termination run the quit path; the session manager's save request saves at once.
    SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::endRequested, &controller, [&](int number) {
        Log::line(QStringLiteral("signal %1: quitting").arg(number));
        controller.applicationShouldTerminate(false);
        app.quit();
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &controller, [&] { controller.saveToDBNOW(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &controller,
                     [&] { controller.applicationShouldTerminate(false); });
    return app.exec();
}
