#include "gui/app/start_up.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <cstdio>
#include <set>
#include <string_view>
#include <vector>

#include "cli/command_line_info.h"
#include "cli/producer.h"
#include "export/gif_animation_writer.h"
#include "gui/app/about_dialog.h"
#include "gui/app/app_icons.h"
#include "gui/app/main_window.h"
#include "gui/app/print_at_start.h"
#include "gui/framework/message_box_sink.h"
#include "gui/sheets/dialog_sheet_runner.h"
#include "platform/message_sink.h"
#include "platform/screen.h"

namespace tsy::gui {
namespace {

// Qt's own options (-style fusion, -platform xcb, ...) belong to QApplication; the producer
// would take them for unknown symbol options.
std::vector<char*> WithoutQtOptions(int argc, char** argv) {
    static const std::set<std::string_view> withValue = {"platform",      "platformpluginpath",
                                                         "platformtheme", "plugin",
                                                         "style",         "stylesheet",
                                                         "session",       "display",
                                                         "geometry",      "title",
                                                         "name",          "qwindowgeometry",
                                                         "qwindowtitle",  "qwindowicon"};
    static const std::set<std::string_view> bare = {"reverse", "widgetcount", "nograb", "dograb",
                                                    "sync"};
    std::vector<char*> kept;
    for (int i = 0; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (i > 0 && arg.size() > 1 && arg[0] == '-') {
            arg.remove_prefix(arg.substr(0, 2) == "--" ? 2 : 1);
            if (bare.count(arg) != 0) continue;
            if (withValue.count(arg) != 0) {
                ++i;
                continue;
            }
        }
        kept.push_back(argv[i]);
    }
    return kept;
}

}  // namespace

int RunWindowProgram(int argc, char** argv) {
    std::vector<char*> own = WithoutQtOptions(argc, argv);
    CCommandLineInfoEx info;
    info.ParseArguments(static_cast<int>(own.size()), own.data());
    const bool help = info.Boolean("help", false);
    // The desktop's print commands: /p file... and /pt file printer.
    const bool print = info.Has("p") || info.Has("pt");
    if (!help && !print) {
        // Headless: no display, no Qt, exactly as the command-line program.
        StderrMessageSink stderrSink;
        const ProducerOutcome outcome = ProduceFromCommandLine(info, stderrSink, stdout);
        if (outcome.attempted) return outcome.exitStatus;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tessaly"));
    QApplication::setOrganizationName(QStringLiteral("Corvanta"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.0.299"));
    QApplication::setDesktopFileName(QStringLiteral("tessaly"));
    QApplication::setWindowIcon(ApplicationIcon());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        SetScreenDpi(static_cast<int>(screen->logicalDotsPerInchX() + 0.5),
                     static_cast<int>(screen->logicalDotsPerInchY() + 0.5));
    }
    InstallGifAnimationWriter();

    MessageBoxSink sink;
    CMainFrame frame([](QWidget* parent) { return std::make_unique<DialogSheetRunner>(parent); },
                     &sink);
    if (print) {
        QStringList named;
        for (const std::string& arg : info.plainArguments()) named << QString::fromLocal8Bit(arg);
        if (!info.Has("pt")) return PrintFilesOnPrinter(frame, named, QString());
        const QString printer = named.size() > 1 ? named[1] : QString();
        return PrintFilesOnPrinter(frame, named.mid(0, 1), printer);
    }
    frame.show();
    if (help) {
        CCommandLineHelpDlg dialog(&frame);
        dialog.exec();
    }
    QStringList files;
    for (const std::string& arg : info.freeArguments()) files << QString::fromLocal8Bit(arg);
    frame.OpenFiles(files);
    return QApplication::exec();
}

}  // namespace tsy::gui
