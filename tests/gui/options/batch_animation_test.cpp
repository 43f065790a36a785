// The batch page's runs and the animation page's GIF, driven through their widgets.
#include <gif_lib.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "export/gif_animation_writer.h"
#include "gui/options/animated_aztec_page.h"
#include "gui/options/batch_page.h"
#include "sheet_fixture.h"
#include "symbologies/aztec/aztec_animated_doc.h"
#include "symbologies/qr/qr_doc.h"

using namespace tsy;
using namespace tsy::gui;

namespace {

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}
void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}
void TypeLines(QPlainTextEdit* edit, const QStringList& lines) {
    edit->setFocus();
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0) QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, lines[i]);
    }
}
QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
void Shoot(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("TSY_GUI_ARTEFACTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    widget->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

struct GifFacts {
    int frames = -1;
    QSize screen;
    QList<int> delays;
};
GifFacts ReadGif(const QString& path) {
    GifFacts facts;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif) return facts;
    if (DGifSlurp(gif) == GIF_OK) {
        facts.frames = gif->ImageCount;
        facts.screen = QSize(gif->SWidth, gif->SHeight);
        for (int i = 0; i < gif->ImageCount; ++i) {
            GraphicsControlBlock gcb{};
            DGifSavedExtensionToGCB(gif, i, &gcb);
            facts.delays << gcb.DelayTime;
        }
    }
    DGifCloseFile(gif, &error);
    return facts;
}

}  // namespace

class BatchAnimationTest : public QObject {
    Q_OBJECT
    test::PrivateProfile profile_;
    QTemporaryDir temp_;

private slots:
    void initTestCase() {
        // Every animated build writes $TEMP/tsy.gif.
        qputenv("TEMP", temp_.path().toUtf8());
        InstallGifAnimationWriter();
    }

    // Three lines give three numbered files and the log; the bar runs to its end while the
    // sheet is held, and the document is as before.
    void batchBuildsEveryLine() {
        QTemporaryDir dir;
        test::OpenSheet open(DocumentKind::Code39, u"KEEP");
        auto* page = open.Show<CBatchPage>();
        int highest = -1, maximum = -1;
        bool held = true;
        connect(page->Progress(), &QProgressBar::valueChanged, page, [&](int value) {
            highest = std::max(highest, value);
            maximum = page->Progress()->maximum();
            held = held && !open.sheet->Tabs()->tabBar()->isEnabled() &&
                   page->CancelButton()->isEnabled() && !page->BuildButton()->isEnabled();
        });
        TypeLines(page->TextEdit(), {"ONE", "TWO", "THREE"});
        Click(page->NamingGroup()->button(0));
        Type(page->MaskEdit(), dir.filePath("item.png"));
        Shoot(open.dialog.get(), QStringLiteral("Batch-before"));
        Click(page->BuildButton());

        for (const char* name : {"item1.png", "item2.png", "item3.png"})
            QVERIFY2(Read(dir.filePath(name)).startsWith("\x89PNG"), name);
        QCOMPARE(Read(dir.filePath("item.log")), QByteArray("3 Symbols Created.\r\n"));
        QCOMPARE(page->StatusText()->text(), QStringLiteral("3 Symbols Created"));
        QCOMPARE(maximum, 2);
        QCOMPARE(highest, maximum);
        QVERIFY(held);
        QVERIFY(open.sheet->Tabs()->tabBar()->isEnabled());
        QVERIFY(!page->CancelButton()->isEnabled());
        QCOMPARE(open.doc->m_Message, u"KEEP");
        QVERIFY(open.sink.entries.empty());
        Shoot(open.dialog.get(), QStringLiteral("Batch-after"));
    }

    void batchRefusals_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mask");  // in the test's folder
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("status");
        QTest::newRow("no mask name") << "A"
                                      << "/"
                                      << "Please enter an output file mask"
                                      << "File mask missing";
        QTest::newRow("no lines") << ""
                                  << "n.bmp"
                                  << "No source barcode data"
                                  << "";
        QTest::newRow("too long") << QString(60, QLatin1Char('X')) << "n.bmp"
                                  << "No source barcode data"
                                  << "";
    }
    void batchRefusals() {
        QFETCH(QString, text);
        QFETCH(QString, mask);
        QFETCH(QString, message);
        QFETCH(QString, status);
        QTemporaryDir dir;
        test::OpenSheet open(DocumentKind::Code39, u"KEEP");
        auto* page = open.Show<CBatchPage>();
        TypeLines(page->TextEdit(), {text});
        Click(page->NamingGroup()->button(0));
        Type(page->MaskEdit(), dir.path() + QLatin1Char('/') + mask);
        Click(page->BuildButton());
        QCOMPARE(open.Messages(), std::vector<std::u16string>{FromQ(message)});
        QCOMPARE(page->StatusText()->text(), status);
        QCOMPARE(open.doc->m_Message, u"KEEP");
    }

    void batchVerify_data() {
        QTest::addColumn<int>("undercut");
        QTest::addColumn<QString>("status");
        QTest::newRow("reads") << 0 << "2 Symbols Created, 0 not readable";
        // One pixel a module, thinned away beside light ones.
        QTest::newRow("thinned away") << 1 << "2 Symbols Created, 2 not readable";
    }
    // Off by default; ticked, every symbol is read back and the status counts those that fail.
    void batchVerify() {
        QFETCH(int, undercut);
        QFETCH(QString, status);
        QTemporaryDir dir;
        test::OpenSheet open(DocumentKind::QR, u"KEEP", [&](CEncoderDoc& d) {
            static_cast<CQRDoc&>(d).m_Model = CQRDoc::kIsoModel;
            d.m_ElementWidth = 10;
            d.m_Undercut = undercut;
        });
        auto* page = open.Show<CBatchPage>();
        QVERIFY(!page->VerifyBox()->isChecked());
        Click(page->VerifyBox());
        TypeLines(page->TextEdit(), {"first", "second"});
        Click(page->NamingGroup()->button(0));
        Type(page->MaskEdit(), dir.filePath("v.png"));
        Click(page->BuildButton());
        QCOMPARE(page->StatusText()->text(), status);
        QCOMPARE(Read(dir.filePath("v.log")).count("Not readable by the reader"), 2 * undercut);
        if (undercut) Shoot(open.dialog.get(), QStringLiteral("Batch-verify"));
    }

    // Import puts the file into the list and the message; restyling there and back keeps it.
    void batchImportAndRestyle() {
        QTemporaryDir dir;
        QFile file(dir.filePath("list.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("A\tB\r\nC\r\n");
        file.close();
        test::OpenSheet open(DocumentKind::Aztec, u"KEEP");
        auto* page = open.Show<CBatchPage>();
        page->ImportFile(file.fileName());
        const QString bracket = page->TextEdit()->toPlainText();
        // The editor shows line ends as LF; the message keeps the file's CR LF.
        QCOMPARE(bracket, ToQ(open.doc->m_Message).remove(QLatin1Char('\r')));
        QCOMPARE(bracket.count(QLatin1Char('\n')), 2);
        QVERIFY(!bracket.contains(QLatin1Char('\t')));
        Click(page->StyleGroup()->button(1));
        QVERIFY(page->TextEdit()->toPlainText() != bracket);
        Click(page->StyleGroup()->button(0));
        QCOMPARE(page->TextEdit()->toPlainText(), bracket);
        page->ImportFile(dir.filePath("missing.txt"));
        QCOMPARE(open.Messages(), std::vector<std::u16string>{u"Bad File"});
    }

    void animationWrite_data() {
        QTest::addColumn<int>("symbols");
        QTest::addColumn<int>("frameTime");
        QTest::addColumn<int>("frames");  // -1: nothing written
        QTest::newRow("three") << 3 << 50 << 3;
        QTest::newRow("nine") << 9 << 10 << 9;
        QTest::newRow("one") << 1 << 100 << -1;
    }
    // Write makes a GIF of one frame per symbol, each shown for the frame time; the info text
    // is the frame size.
    void animationWrite() {
        QFETCH(int, symbols);
        QFETCH(int, frameTime);
        QFETCH(int, frames);
        QTemporaryDir dir;
        const QString path = dir.filePath("seq.gif");
        test::OpenSheet open(DocumentKind::AztecAnimated, u"ANIMATED AZTEC SEQUENCE 0123456789");
        auto* page = open.Show<CAnimatedAztecPP>();
        page->SymbolsSpin()->setValue(symbols);
        page->FrameTimeSpin()->setValue(frameTime);
        page->LoopsSpin()->setValue(5);
        Type(page->OutputEdit(), path);
        auto& doc = static_cast<CAztecAnimatedDoc&>(*open.doc);
        QCOMPARE(doc.m_SymbolCount, symbols);
        QCOMPARE(doc.m_FrameTime, frameTime);
        QCOMPARE(doc.m_Loops, 5);
        QCOMPARE(doc.m_OutputName, FromQ(path));
        Click(page->WriteButton());
        const GifFacts gif = ReadGif(path);
        QCOMPARE(gif.frames, frames);
        if (frames < 0) {
            QCOMPARE(open.sink.entries.size(), std::size_t{1});
            return;
        }
        QCOMPARE(gif.delays, QList<int>(frames, frameTime));
        QCOMPARE(page->InfoText()->text(),
                 QStringLiteral("%1x%2").arg(gif.screen.width()).arg(gif.screen.height()));
        if (symbols == 3) Shoot(open.dialog.get(), QStringLiteral("Animation"));
    }
};

QTEST_MAIN(BatchAnimationTest)
#include "batch_animation_test.moc"
