// The window program driven offscreen: documents made through a scripted sheet, files, the
// export dialogs, printing at physical size, the tabbed view and the recent-file list.
#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <functional>

#include "cli/help_texts.h"
#include "document/mils.h"
#include "document/sheet_runner.h"
#include "export/document_copy.h"
#include "export/gif_animation_writer.h"
#include "gui/app/about_dialog.h"
#include "gui/app/child_frame.h"
#include "gui/app/encoder_view.h"
#include "gui/app/export_commands.h"
#include "gui/app/main_window.h"
#include "gui/app/new_type_dialog.h"
#include "gui/app/print_at_start.h"
#include "gui/app/print_commands.h"
#include "gui/app/symbol_device_size.h"
#include "gui/app/symbol_document.h"
#include "gui/pages/document_commands.h"
#include "platform/message_sink.h"
#include "platform/profile.h"
#include "platform/screen.h"
#include "symbologies/document_types.h"
#include "symbologies/ziggur/ziggur_doc.h"

namespace tsy::gui {
namespace {

// What the scripted sheet does when New or "Symbol Information..." runs it.
struct Script {
    bool confirm = true;
    std::u16string message = u"TESSALY";
    int runs = 0;
};

class ScriptedSheet final : public SheetRunner {
public:
    explicit ScriptedSheet(Script* script) : script_(script) {}
    bool RunSheet(CEncoderDoc& doc) override {
        ++script_->runs;
        if (!script_->confirm) return false;
        doc.m_Message = script_->message;
        doc.m_Caption = script_->message;
        if (auto* ziggur = dynamic_cast<CZiggurDoc*>(&doc)) ziggur->m_HostMessage = u"HOST";
        doc.BuildSymbol();
        return true;
    }

private:
    Script* script_;
};

// Answers the next modal file dialog with name (relative to folder), or cancels it; an export
// dialog gets the resolution chosen from its list first.
void AnswerFileDialog(const QString& name, const QString& resolution = {}) {
    QTimer::singleShot(0, [name, resolution] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return AnswerFileDialog(name, resolution);
        if (name.isEmpty()) return dialog->reject();
        if (auto* exporting = qobject_cast<ExportBitmapDialog*>(dialog);
            exporting && !resolution.isEmpty())
            exporting->ResolutionBox()->setCurrentIndex(
                exporting->ResolutionBox()->findText(resolution));
        dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

QRect DarkArea(const QImage& image) {
    QRect dark;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) dark |= QRect(x, y, 1, 1);
    return dark;
}

QString Artefact(const QString& name) {
    const QString dir = qEnvironmentVariable("TSY_GUI_ARTEFACTS", QDir::tempPath());
    QDir().mkpath(dir);
    return QDir(dir).filePath(name);
}

// Saves the next modal dialog as an artefact, then closes it.
void GrabModal(const QString& name) {
    QTimer::singleShot(0, [name] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return GrabModal(name);
        QApplication::processEvents();
        dialog->grab().save(Artefact(name));
        dialog->reject();
    });
}

}  // namespace

class AppTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    Script script_;
    RecordingMessageSink sink_;
    std::unique_ptr<CMainFrame> frame_;

    QString File(const QString& name) const { return QDir(dir_.path()).filePath(name); }
    SymbolDocument* New(DocumentKind kind) { return frame_->Documents().NewDocument(kind); }
    int Windows() const { return static_cast<int>(frame_->Area()->subWindowList().size()); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("XDG_CONFIG_HOME", File(QStringLiteral("cfg")).toLocal8Bit());
        SetScreenDpi(96, 96);
        InstallGifAnimationWriter();
    }

    void init() {
        QFile::remove(QString::fromStdString(ProfilePath().string()));
        script_ = {};
        sink_.entries.clear();
        frame_ = std::make_unique<CMainFrame>(
            [this](QWidget*) { return std::make_unique<ScriptedSheet>(&script_); }, &sink_);
        frame_->Documents().SetSavePrompt([](const QString&) { return QMessageBox::No; });
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    }

    void cleanup() {
        frame_->close();
        frame_.reset();
    }

    void startsWithoutDocument() {
        QCOMPARE(Windows(), 0);
        // The message page's file buttons go through the window's commands.
        QVERIFY(CurrentDocumentCommandRoutes().saveAs &&
                CurrentDocumentCommandRoutes().exportAsBitmap);
        QCOMPARE(frame_->windowTitle(), QStringLiteral("Tessaly"));
        QStringList menus;
        for (QAction* a : frame_->menuBar()->actions())
            if (a->isVisible()) menus << a->text();
        QCOMPARE(menus, (QStringList{"&File", "&View", "&Help"}));
        QVERIFY(!frame_->Action(Command::Save)->isVisible());
        QVERIFY(frame_->Action(Command::PrintSetup)->isVisible());
    }

    void commandsKeepTheirTexts_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("statusTip");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("keys");
        auto row = [](Command c, const char* text, const char* status, const char* tip,
                      const char* keys) {
            QTest::newRow(text) << static_cast<int>(c) << text << status << tip << keys;
        };
        row(Command::NewAztec, "New &Aztec Symbol", "Create a new Aztec Barcode Symbol",
            "New Aztec Symbol", "");
        row(Command::NewPDF417, "&New &PDF417 Symbol", "Create a new PDF417 Barcode Symbol",
            "New PDF417 Symbol", "");
        row(Command::NewAnimated, "New Animated Aztec Symbol", "Create a new animated Aztec Symbol",
            "New Aztec Symbol", "");
        row(Command::SymbolInformation, "&Symbol Information...",
            "Edit information about the symbol", "Edit Symbol Info", "");
        row(Command::CopyBitmap, "&Copy Bitmap to Clipboard",
            "Copy the symbol to the clipboard as a picture", "Copy Bitmap", "Ctrl+C, Ctrl+Ins");
        row(Command::TabbedView, "Ta&bbed View", "Show or hide the tabbed view", "Toggle Tabs", "");
        row(Command::About, "&About Tessaly",
            "Display program information, version number and copyright", "About", "");
        row(Command::New, "&New...", "Create a new document", "New", "Ctrl+N");
        row(Command::Print, "&Print...", "Print the active document", "Print", "Ctrl+P");
        row(Command::NextPane, "Next Pane", "Switch to the next window pane", "Next Pane", "F6");
    }
    void commandsKeepTheirTexts() {
        QFETCH(int, command);
        QFETCH(QString, text);
        QFETCH(QString, statusTip);
        QFETCH(QString, toolTip);
        QFETCH(QString, keys);
        const QAction* action = frame_->Action(static_cast<Command>(command));
        QCOMPARE(action->text(), text);
        QCOMPARE(action->statusTip(), statusTip);
        QCOMPARE(action->toolTip(), toolTip);
        QStringList shortcuts;
        for (const QKeySequence& k : action->shortcuts()) shortcuts << k.toString();
        QCOMPARE(shortcuts.join(QStringLiteral(", ")), keys);
    }

    void toolbarAndMenusKeepTheirOrder() {
        QCOMPARE(frame_->ToolBar()->windowTitle(), QStringLiteral("Tessaly ToolBar"));
        QStringList tools;
        for (QAction* a : frame_->ToolBar()->actions())
            tools << (a->isSeparator() ? QStringLiteral("|") : a->toolTip());
        QCOMPARE(tools, (QStringList{"New Aztec Symbol", "|", "New Aztec Symbol",
                                     "New Ziggur Symbol", "New PDF417 Symbol", "New QR Symbol",
                                     "New Code128 Symbol", "New Code39 Symbol", "|",
                                     "Edit Symbol Info", "|", "Open", "Save", "Print", "About"}));
        QVERIFY(!frame_->Action(Command::NewZiggur)->isEnabled());
        QVERIFY(!frame_->ToolBar()->actions()[12]->isEnabled());
        New(DocumentKind::QR);
        QVERIFY(frame_->ToolBar()->actions()[12]->isEnabled());
        QStringList file;
        for (QAction* a : frame_->FileMenu()->actions())
            if (!a->isSeparator()) file << a->text();
        QCOMPARE(file.mid(0, 16),
                 (QStringList{"New &Aztec Symbol", "New &Code 128 Symbol", "New Code &39 Symbol",
                              "New &Ziggur Symbol", "&New &PDF417 Symbol", "New &QR Symbol",
                              "&Open...", "&Close", "&Save", "Save &As...", "&Export as Bitmap",
                              "E&xport as Windows Meta File", "&Print...", "Print Pre&view",
                              "P&rint Setup...", "Recent File"}));
        QCOMPARE(file.last(), QStringLiteral("E&xit"));
        // The New list offers every type, Ziggur too, in start-up order.
        QCOMPARE(CNewTypeDlg::TypeNames(), (QStringList{"Aztec", "Ziggur", "PDF417", "QR",
                                                        "Code128", "Code39", "Aztec Animated"}));
        CNewTypeDlg list;
        list.List()->setCurrentRow(1);
        list.accept();
        QCOMPARE(list.Chosen(), std::optional<DocumentKind>(DocumentKind::Ziggur));
    }

    void newDocumentRunsTheSheet_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        for (const DocumentType& type : DocumentTypes())
            QTest::newRow(
                QString::fromStdU16String(std::u16string(type.fileTypeName)).toLatin1().constData())
                << static_cast<int>(type.kind)
                << QString::fromStdU16String(std::u16string(type.docName)) + "1";
    }
    void newDocumentRunsTheSheet() {
        QFETCH(int, kind);
        QFETCH(QString, title);
        SymbolDocument* document = New(static_cast<DocumentKind>(kind));
        QVERIFY(document);
        QCOMPARE(script_.runs, 1);
        QCOMPARE(document->Title(), title);
        QCOMPARE(frame_->windowTitle(), "Tessaly - " + title + "[*]");
        QVERIFY(!frame_->isWindowModified());
        QVERIFY(document->Doc().m_Picture.HasPicture());
        QVERIFY(!document->Image().isNull());
        QVERIFY(frame_->Action(Command::Save)->isVisible());
        script_.confirm = false;
        QVERIFY(!New(static_cast<DocumentKind>(kind)));
        QCOMPARE(Windows(), 1);
    }

    // A double click runs "Symbol Information..."; confirming marks the document modified.
    void doubleClickEditsTheSymbol() {
        SymbolDocument* document = New(DocumentKind::Code128);
        CEncoderView* view = frame_->Documents().ActiveFrame()->View();
        script_.message = u"EDITED";
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(script_.runs, 2);
        QVERIFY(document->Doc().m_Message == u"EDITED");
        QVERIFY(document->IsModified());
        QCOMPARE(frame_->windowTitle(), QStringLiteral("Tessaly - Code1281[*]"));
        QVERIFY(frame_->isWindowModified());
        script_.confirm = false;
        frame_->Action(Command::SymbolInformation)->trigger();
        QVERIFY(document->Doc().m_Message == u"EDITED");
    }

    void savedDocumentReopens() {
        script_.message = u"Reopened 42";
        SymbolDocument* document = New(DocumentKind::PDF417);
        const QString path = File(QStringLiteral("saved.417"));
        QVERIFY(frame_->Documents().SaveTo(document, path));
        QCOMPARE(document->Title(), QStringLiteral("saved.417"));
        QVERIFY(frame_->Documents().CloseDocument(document));
        QCOMPARE(Windows(), 0);
        SymbolDocument* reopened = frame_->Documents().OpenFile(path);
        QVERIFY(reopened);
        QVERIFY(reopened->Doc().m_Message == u"Reopened 42");
        QCOMPARE(reopened->Doc().Kind(), DocumentKind::PDF417);
        // Opening it again activates its window instead of a second copy.
        QCOMPARE(frame_->Documents().OpenFile(path), reopened);
        QCOMPARE(Windows(), 1);
        QCOMPARE(frame_->Documents().RecentFiles().Files().front(), path);
        QVERIFY(!frame_->Documents().OpenFile(File(QStringLiteral("missing.qr"))));
        QCOMPARE(sink_.entries.size(), std::size_t{1});
    }

    void recentFilesKeepTwelveInTheProfile() {
        {
            RecentFileList list;
            for (int i = 0; i < 14; ++i) list.Add(File(QStringLiteral("f%1.qr").arg(i)));
            list.Add(File(QStringLiteral("f5.qr")));
        }
        const RecentFileList reread;
        QCOMPARE(reread.Files().size(), RecentFileList::kSize);
        QCOMPARE(reread.Files()[0], File(QStringLiteral("f5.qr")));
        QCOMPARE(reread.Files()[1], File(QStringLiteral("f13.qr")));
        QVERIFY(!reread.Files().contains(File(QStringLiteral("f1.qr"))));
        QCOMPARE(RecentFileMenuText(reread.Files(), 0), QStringLiteral("&1 f5.qr"));
    }

    void exportDialogPreselects_data() {
        QTest::addColumn<QString>("defaultExt");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("jpeg") << "jpeg" << 2 << "jpeg";
        QTest::newRow("tga") << "tga" << 8 << "tga";
        QTest::newRow("gif") << "gif" << 4 << "gif";
        QTest::newRow("empty") << "" << 0 << "bmp";
        QTest::newRow("upper PNG") << "PNG" << 1 << "PNG";
        QTest::newRow("svg") << "svg" << 9 << "svg";
        QTest::newRow("eps") << "eps" << 11 << "eps";
    }
    void exportDialogPreselects() {
        QFETCH(QString, defaultExt);
        QFETCH(int, filter);
        QFETCH(QString, suffix);
        SymbolDocument* document = New(DocumentKind::Code39);
        document->Doc().m_DefaultExt = defaultExt.toStdU16String();
        const auto dialog = MakeExportBitmapDialog(*document, frame_.get());
        // The nine as they were, then SVG, PDF and EPS.
        QCOMPARE(dialog->nameFilters().size(), 12);
        QCOMPARE(dialog->nameFilters()[8], QStringLiteral("All Files (*)"));
        QCOMPARE(dialog->nameFilters()[10], QStringLiteral("PDF files (*.pdf)"));
        QCOMPARE(dialog->Resolution(), 0);
        QCOMPARE(dialog->selectedNameFilter(), dialog->nameFilters()[filter]);
        QCOMPARE(dialog->defaultSuffix(), suffix);
        QCOMPARE(dialog->nameFilters()[2], QStringLiteral("JPG files (*.jpg *.jpeg)"));
        // A filter the user picks gives names typed bare its extension; All Files DefaultExt.
        emit dialog->filterSelected(dialog->nameFilters()[2]);
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("jpg"));
        emit dialog->filterSelected(dialog->nameFilters()[8]);
        QCOMPARE(dialog->defaultSuffix(), suffix);
    }

    // The chosen name decides the format; DefaultExt follows it for the next export.
    void exportBitmapWritesTheChosenName_data() {
        QTest::addColumn<QString>("defaultExt");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("format");
        QTest::newRow("typed without extension") << "tga"
                                                 << "plain"
                                                 << "plain.tga"
                                                 << "TGA";
        QTest::newRow("gif under bmp") << "bmp"
                                       << "anim.gif"
                                       << "anim.gif"
                                       << "GIF";
        QTest::newRow("metafile") << "png"
                                  << "meta.wmf"
                                  << "meta.wmf"
                                  << "WMF";
        QTest::newRow("vector") << "png"
                                << "drawn.svg"
                                << "drawn.svg"
                                << "SVG";
    }
    void exportBitmapWritesTheChosenName() {
        QFETCH(QString, defaultExt);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QString, format);
        SymbolDocument* document = New(DocumentKind::QR);
        document->Doc().m_DefaultExt = defaultExt.toStdU16String();
        AnswerFileDialog(File(typed));
        ExportAsBitmap(*document, frame_.get(), &sink_);
        QVERIFY2(QFile::exists(File(written)), qPrintable(written));
        QCOMPARE(QString::fromStdU16String(document->Doc().m_DefaultExt),
                 QFileInfo(written).suffix());
        // ImageMagick names what its SVG delegate renders, not the file.
        if (format == QStringLiteral("SVG")) {
            QFile svg(File(written));
            QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg "));
            return;
        }
        QProcess identify;
        identify.start(QStringLiteral("/usr/bin/identify"),
                       {QStringLiteral("-format"), QStringLiteral("%m"), File(written)});
        if (identify.waitForFinished() && identify.exitCode() == 0)
            QVERIFY(QString::fromLatin1(identify.readAllStandardOutput()).startsWith(format));
    }

    void exportAtPrintResolution_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("dpi");
        QTest::newRow("listed") << "600 dpi" << 600;
        QTest::newRow("screen") << "" << 0;
    }
    // The picture is built at the chosen resolution: 10-mil modules are 6 pixels at 600 dpi,
    // and the document keeps its screen picture.
    void exportAtPrintResolution() {
        QFETCH(QString, choice);
        QFETCH(int, dpi);
        SymbolDocument* document = New(DocumentKind::Code39);
        CEncoderDoc& doc = document->Doc();
        doc.m_ElementWidth = 10;
        QVERIFY(doc.BuildSymbol());
        const int screenWidth = doc.m_Picture.Picture().width;
        const QString name = File(QStringLiteral("print-%1.png").arg(dpi));
        AnswerFileDialog(name, choice);
        ExportAsBitmap(*document, frame_.get(), &sink_);
        const QImage written(name);
        QVERIFY(!written.isNull());
        QCOMPARE(doc.m_Picture.Picture().width, screenWidth);
        const std::unique_ptr<CEncoderDoc> copy = CopyDocument(doc);
        copy->SetResolution(dpi);
        QVERIFY(copy->BuildSymbol());
        QCOMPARE(written.size(),
                 QSize(copy->m_Picture.Picture().width, copy->m_Picture.Picture().height));
        // The narrowest dark run across the bars is one module.
        int narrowest = written.width(), run = 0;
        for (int x = 0; x < written.width(); ++x) {
            if (qGray(written.pixel(x, written.height() / 4)) < 128) {
                ++run;
            } else if (run > 0) {
                narrowest = std::min(narrowest, run);
                run = 0;
            }
        }
        QCOMPARE(narrowest, static_cast<int>(MilsToPixels(dpi ? dpi : ScreenDpiX(), 10)));
    }

    void emptyDocumentHasNothingToExport() {
        SymbolDocument* document = New(DocumentKind::Code128);
        document->Doc().m_Message.clear();
        QVERIFY(!document->Doc().BuildSymbol());
        document->UpdateAllViews();
        ExportAsMetafile(*document, frame_.get(), &sink_);
        QCOMPARE(sink_.entries.size(), std::size_t{1});
        QVERIFY(sink_.entries[0].text == u"Nothing to Export");
        CopyBitmapToClipboard(*document, &sink_);
        QCOMPARE(frame_->Documents().ActiveFrame()->View()->ContentSize(), QSize(0, 0));
    }

    void copyPutsThePictureOnTheClipboard() {
        SymbolDocument* document = New(DocumentKind::Aztec);
        QGuiApplication::clipboard()->clear();
        frame_->Action(Command::CopyBitmap)->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), document->Image().size());
        QVERIFY(sink_.entries.empty());
    }

    void deviceSizeFollowsThePrinter_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("elementWidth");
        QTest::addColumn<int>("symbolHeight");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QSize>("size");
        QTest::newRow("100 modules at 10 mils") << 100 << 10 << 500 << 600 << QSize(600, 300);
        QTest::newRow("rounds half up") << 3 << 5 << 250 << 300 << QSize(5, 75);
        QTest::newRow("no columns: the picture") << 0 << 10 << 500 << 600 << QSize(-1, -1);
    }
    void deviceSizeFollowsThePrinter() {
        QFETCH(int, columns);
        QFETCH(int, elementWidth);
        QFETCH(int, symbolHeight);
        QFETCH(int, dpi);
        QFETCH(QSize, size);
        SymbolDocument* document = New(DocumentKind::Code39);
        CEncoderDoc& doc = document->Doc();
        doc.m_ModuleColumns = columns;
        doc.m_ElementWidth = elementWidth;
        doc.m_SymbolHeight = symbolHeight;
        const DeviceSize printed = SymbolDeviceSize(doc, dpi, dpi);
        const DeviceSize expected =
            size.width() < 0 ? SymbolDeviceSize(doc) : DeviceSize{size.width(), size.height()};
        QCOMPARE(printed.width, expected.width);
        QCOMPARE(printed.height, expected.height);
    }

    // The printed page holds the symbol at its physical size, whatever its screen size.
    void printsAtPhysicalSize() {
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty()) {
            // As the gtest programs do: a missing tool fails in CI instead of passing unseen.
            if (!qEnvironmentVariable("CI").isEmpty() && qEnvironmentVariable("CI") != "false")
                QFAIL("pdftoppm is missing in CI");
            QSKIP("pdftoppm is missing");
        }
        script_.message = u"TESSALY";
        SymbolDocument* document = New(DocumentKind::Code39);
        CEncoderDoc& doc = document->Doc();
        doc.m_Caption.clear();
        doc.m_ElementWidth = 10;
        doc.m_SymbolHeight = 500;
        QVERIFY(doc.BuildSymbol());
        document->UpdateAllViews();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(File(QStringLiteral("print.pdf")));
        printer.setResolution(600);
        PrintSymbol(*document, printer);
        QCOMPARE(
            QProcess::execute(pdftoppm,
                              {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-gray"),
                               QStringLiteral("-singlefile"), QStringLiteral("-W"),
                               QStringLiteral("2400"), QStringLiteral("-H"), QStringLiteral("1600"),
                               File(QStringLiteral("print.pdf")), File(QStringLiteral("page"))}),
            0);
        const QImage page(File(QStringLiteral("page.pgm")));
        QVERIFY(!page.isNull());
        // The picture keeps its quiet zones: the bars cover the same share of it on paper as
        // on the screen, where one module of 10 mils is 1 pixel and on paper 6 dots.
        const QRect screen = DarkArea(document->Image());
        QCOMPARE(document->Image().width(), doc.m_ModuleColumns);
        // The margin need not fall on a whole dot, so an edge may touch one more.
        const QRect paper = DarkArea(page);
        QVERIFY2(qAbs(paper.width() - screen.width() * 6) <= 1,
                 qPrintable(QString::number(paper.width())));
        QVERIFY2(qAbs(paper.height() - 300) <= 1, qPrintable(QString::number(paper.height())));
    }

    void cancelledCloseKeepsEveryWindow() {
        script_.message = u"KEPT";
        New(DocumentKind::Code39);
        SymbolDocument* modified = New(DocumentKind::QR);
        modified->SetModified(true);
        frame_->Documents().NewWindow(modified);
        frame_->Documents().SetSavePrompt([](const QString&) { return QMessageBox::Cancel; });
        QCOMPARE(Windows(), 3);
        QVERIFY(!frame_->Documents().CloseDocument(modified));
        QCOMPARE(Windows(), 3);
        QVERIFY(!frame_->close());
        QCOMPARE(Windows(), 3);
        frame_->Documents().SetSavePrompt([](const QString&) { return QMessageBox::No; });
    }

    void printCommandPrintsNamedFiles() {
        script_.message = u"PRINTED";
        SymbolDocument* document = New(DocumentKind::Code39);
        const QString saved = File(QStringLiteral("print.C39"));
        QVERIFY(frame_->Documents().SaveTo(document, saved));
        QVERIFY(frame_->Documents().CloseDocument(document));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = File(QStringLiteral("named.pdf"));
        printer.setOutputFileName(pdf);
        QCOMPARE(PrintFiles(*frame_, {saved}, printer), 0);
        QVERIFY(QFileInfo(pdf).size() > 0);
        QCOMPARE(PrintFiles(*frame_, {File(QStringLiteral("missing.C39"))}, printer), 1);
        QCOMPARE(PrintFilesOnPrinter(*frame_, {saved}, QStringLiteral("no such printer")), 1);
        printer.setOutputFileName(File(QStringLiteral("no/such/folder/x.pdf")));
        sink_.entries.clear();
        QCOMPARE(PrintFiles(*frame_, {saved}, printer), 1);
        QCOMPARE(sink_.entries.size(), std::size_t{1});
        QVERIFY(!sink_.entries.empty());
    }

    void tabbedViewToggles() {
        New(DocumentKind::QR);
        QAction* tabbed = frame_->Action(Command::TabbedView);
        QVERIFY(tabbed->isChecked());
        QCOMPARE(frame_->Area()->viewMode(), QMdiArea::TabbedView);
        tabbed->trigger();
        QCOMPARE(frame_->Area()->viewMode(), QMdiArea::SubWindowView);
        QCOMPARE(GetProfileInt(u"Settings", u"TabbedView", 1), 0);
        // A cascaded window fits its picture.
        CChildFrame* child = frame_->Documents().ActiveFrame();
        QVERIFY(child->View()->viewport()->width() >= child->View()->ContentSize().width());
        tabbed->trigger();
        QCOMPARE(frame_->Area()->viewMode(), QMdiArea::TabbedView);
    }

    void closingWritesInitialView_data() {
        QTest::addColumn<bool>("firstClosesLast");
        QTest::newRow("first closed last") << true;
        QTest::newRow("second closed last") << false;
    }
    void closingWritesInitialView() {
        QFETCH(bool, firstClosesLast);
        SymbolDocument* first = New(DocumentKind::Aztec);
        SymbolDocument* second = New(DocumentKind::Code128);
        first->Doc().m_CapPosition = 0;
        first->Doc().m_DefaultExt = u"gif";
        second->Doc().m_CapPosition = 3;
        second->Doc().m_DefaultExt = u"tif";
        SymbolDocument* last = firstClosesLast ? first : second;
        const int position = last->Doc().m_CapPosition;
        const std::u16string ext = last->Doc().m_DefaultExt;
        QVERIFY(frame_->Documents().CloseDocument(firstClosesLast ? second : first));
        QVERIFY(frame_->Documents().CloseDocument(last));
        QCOMPARE(GetProfileInt(u"InitialView", u"CapPosition", -1), position);
        QVERIFY(GetProfileString(u"InitialView", u"DefaultExt") == ext);
    }

    void droppedFilesOpen() {
        SymbolDocument* document = New(DocumentKind::Code39);
        const QString path = File(QStringLiteral("dropped.C39"));
        QVERIFY(frame_->Documents().SaveTo(document, path));
        QVERIFY(frame_->Documents().CloseDocument(document));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(frame_.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(frame_.get(), &drop);
        QCOMPARE(Windows(), 1);
        QCOMPARE(frame_->Documents().ActiveDocument()->Path(), path);
    }

    void helpWindowShowsEachTopic() {
        CCommandLineHelpDlg help;
        QCOMPARE(help.windowTitle(), QStringLiteral("Commandline Help"));
        const auto buttons = help.Topics()->buttons();
        QCOMPARE(buttons.size(), 5);
        QVERIFY(buttons[0]->isChecked());
        int index = 0;
        for (HelpTopic topic : kHelpTopics) {
            QAbstractButton* button = help.Topics()->button(index++);
            QCOMPARE(button->text(), QString::fromUtf8(HelpTopicTitle(topic)));
            button->click();
            QVERIFY(help.TextBox()->toPlainText().startsWith(
                QString::fromStdString(HelpTextLines(topic).front())));
        }
        help.adjustSize();
        QVERIFY(help.grab().save(Artefact(QStringLiteral("help-window.png"))));
        CAboutDlg about;
        about.adjustSize();
        QVERIFY(about.grab().save(Artefact(QStringLiteral("about-box.png"))));
        QStringList texts;
        for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
        QVERIFY2(texts.join(' ').contains("Tessaly Version 2.0.0.299"),
                 qPrintable(texts.join(' ')));
    }

    void screenshotsOfThreeDocuments() {
        script_.message = u"Tessaly 2.0";
        New(DocumentKind::Aztec);
        script_.message = u"https://example.org/tessaly";
        New(DocumentKind::QR);
        script_.message = u"TESSALY-39";
        New(DocumentKind::Code39);
        QCOMPARE(Windows(), 3);
        frame_->resize(900, 600);
        QApplication::processEvents();
        QVERIFY(frame_->grab().save(Artefact(QStringLiteral("app-tabbed.png"))));
        const struct {
            Command command;
            const char* name;
        } dialogs[] = {{Command::New, "new-list.png"},
                       {Command::PrintPreview, "print-preview.png"},
                       {Command::ExportBitmap, "export-bitmap.png"}};
        for (const auto& d : dialogs) {
            GrabModal(QString::fromLatin1(d.name));
            frame_->Action(d.command)->trigger();
        }
        for (QMenu* menu : {frame_->FileMenu(), frame_->EditMenu()}) {
            menu->adjustSize();
            QVERIFY(menu->grab().save(Artefact(menu->title().remove('&') + "-menu.png")));
        }
        frame_->SetTabbedView(false);
        frame_->Area()->cascadeSubWindows();
        QApplication::processEvents();
        QVERIFY(frame_->grab().save(Artefact(QStringLiteral("app-cascaded.png"))));
    }
};

}  // namespace tsy::gui

QTEST_MAIN(tsy::gui::AppTest)
#include "app_test.moc"
