// The sizing, contents and ECI pages, and Cancel undoing a whole sheet.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QtTest>

#include "document/sheet_runner.h"
#include "gui/pages/caption_font.h"
#include "gui/pages/char_wnd.h"
#include "gui/pages/eci_page.h"
#include "gui/pages/msg_page.h"
#include "gui/pages/printer_resolution.h"
#include "gui/pages/sizing_page.h"
#include "gui/pages/stream_page.h"
#include "sheet_fixture.h"
#include "symbologies/aztec/aztec_animated_doc.h"
#include "symbologies/document_serialize.h"
#include "symbologies/edit_symbol.h"
#include "symbologies/pdf417/pdf417_doc.h"

using namespace tsy;
using namespace tsy::gui;

Q_DECLARE_METATYPE(tsy::DocumentKind)

namespace {

// Runs a sheet, lets a step change it and cancels.
class CancellingRunner : public SheetRunner {
public:
    explicit CancellingRunner(std::function<void(PropertySheet&)> edit) : edit_(std::move(edit)) {}
    bool RunSheet(CEncoderDoc& doc) override {
        auto sheet = CreateSheet(doc);
        auto* pages = static_cast<PropertySheet*>(sheet.get());
        for (int i = 0; i < pages->PageCount(); ++i) pages->Page(i)->SetMessageSink(&sink_);
        sheet->show();
        edit_(*pages);
        sheet->reject();
        return false;
    }

private:
    std::function<void(PropertySheet&)> edit_;
    RecordingMessageSink sink_;
};

}  // namespace

class PagesTest : public QObject {
    Q_OBJECT
    test::PrivateProfile profile_;

private slots:
    void cleanup() { OverridePrinterResolution(std::nullopt); }

    void sizingRanges_data() {
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("widthMax");
        QTest::addColumn<int>("heightMax");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("element");
        QTest::addColumn<bool>("height");
        QTest::addColumn<bool>("ratio");
        QTest::newRow("Code 39 at 600")
            << DocumentKind::Code39 << 600 << 45 << 2400 << 6 << "0.0100\"" << true << true;
        QTest::newRow("Code 39 at 96")
            << DocumentKind::Code39 << 96 << 7 << 384 << 1 << "0.0104\"" << true << true;
        QTest::newRow("QR at 600")
            << DocumentKind::QR << 600 << 150 << 150 << 6 << "0.0100\"" << false << false;
        QTest::newRow("PDF417 at 96")
            << DocumentKind::PDF417 << 96 << 7 << 7 << 1 << "0.0104\"" << true << false;
    }
    void sizingRanges() {
        QFETCH(DocumentKind, kind);
        QFETCH(int, dpi);
        QFETCH(int, widthMax);
        QFETCH(int, heightMax);
        QFETCH(int, position);
        QFETCH(QString, element);
        QFETCH(bool, height);
        QFETCH(bool, ratio);
        OverridePrinterResolution(QSize(dpi, dpi));
        test::OpenSheet open(kind, u"AB", [](CEncoderDoc& doc) { doc.m_ElementWidth = 10; });
        auto* page = open.Show<CSizingPage>();
        QCOMPARE(page->WidthSlider()->maximum(), widthMax);
        QCOMPARE(page->WidthSlider()->minimum(), 1);
        QCOMPARE(page->HeightSlider()->maximum(), heightMax);
        QCOMPARE(page->WidthSlider()->value(), position);
        QCOMPARE(page->ElementWidthText()->text(), element);
        QCOMPARE(page->HeightSlider()->isEnabled(), height);
        QCOMPARE(page->RatioEdit()->isEnabled(), ratio);
        QCOMPARE(open.doc->m_ElementWidth, 10);  // shown, not rounded to the printer's dots
        QVERIFY(open.sink.entries.empty());
    }

    // A slider step is a whole printer dot; the totals follow the module count.
    void sizingSliderStores() {
        OverridePrinterResolution(QSize(600, 600));
        test::OpenSheet open(DocumentKind::PDF417);
        auto* page = open.Show<CSizingPage>();
        const int32_t height = open.doc->m_ElementHeight;
        page->WidthSlider()->setValue(12);
        QCOMPARE(open.doc->m_ElementWidth, 20);
        QCOMPARE(open.doc->m_ElementHeight, height);
        QCOMPARE(open.doc->m_SymbolWidth, open.doc->m_ModuleColumns * 20);
        QCOMPARE(page->ElementWidthText()->text(), QStringLiteral("0.0200\""));
        QCOMPARE(page->TotalWidthText()->text(),
                 QString::asprintf("%5.4f\"", open.doc->m_ModuleColumns * 20 / 1000.0));
    }

    void ratioPrompts_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<float>("stored");
        QTest::newRow("3.4") << "3.4" << QString() << 3.4f;
        QTest::newRow("1.8") << "1.8" << QString() << 1.8f;
        QTest::newRow("3.5") << "3.5"
                             << "Enter a number between 1.8 and 3.4." << 2.5f;
        QTest::newRow("abc") << "abc"
                             << "Enter a number." << 2.5f;
    }
    void ratioPrompts() {
        QFETCH(QString, typed);
        QFETCH(QString, prompt);
        QFETCH(float, stored);
        // Code 128 keeps the ratio it is given; the ratio enabled as the Code 39 sheet has it.
        test::OpenSheet open(DocumentKind::Code128, u"AB",
                             [](CEncoderDoc& doc) { doc.m_WideRatio = 2.5f; });
        open.Find<CSizingPage>()->EnableRatio(true);
        auto* page = open.Show<CSizingPage>();
        page->RatioEdit()->setText(typed);
        page->UndercutEdit()->setText(QStringLiteral("-2"));
        const bool stored_ = page->Store();
        QCOMPARE(stored_, prompt.isEmpty());
        QCOMPARE(open.doc->m_WideRatio, stored);
        QCOMPARE(open.doc->m_Undercut, prompt.isEmpty() ? -2 : 0);
        if (!prompt.isEmpty())
            QCOMPARE(open.Messages(), std::vector<std::u16string>{prompt.toStdU16String()});
    }

    void ratioSpinSteps() {
        test::OpenSheet open(DocumentKind::Code128, u"AB",
                             [](CEncoderDoc& doc) { doc.m_WideRatio = 3.0f; });
        open.Find<CSizingPage>()->EnableRatio(true);
        auto* page = open.Show<CSizingPage>();
        page->StepRatio(1);
        QCOMPARE(open.doc->m_WideRatio, 3.1f);
        for (int i = 0; i < 5; ++i) page->StepRatio(1);
        QCOMPARE(page->RatioEdit()->text(), QStringLiteral("3.3"));  // the spin stops at 33
    }

    void undercutText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("abc") << "abc" << 0;
        QTest::newRow("-2") << "-2" << -2;
        QTest::newRow("3") << "3" << 3;
    }
    void undercutText() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        test::OpenSheet open(DocumentKind::QR);
        auto* page = open.Show<CSizingPage>();
        page->UndercutEdit()->clear();
        QTest::keyClicks(page->UndercutEdit(), typed);
        QCOMPARE(open.doc->m_Undercut, stored);
    }

    void contentsDumps_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("view");
        QTest::addColumn<QString>("dump");
        QTest::newRow("ABC barcode")
            << "ABC" << 0 << "41 42 43 .. .. .. .. ..  .. .. .. .. .. .. .. ..  ABC\n";
        QTest::newRow("CR LF barcode")
            << "A[ CR][ LF]\r\n"
            << 0 << "41 0D 0A .. .. .. .. ..  .. .. .. .. .. .. .. ..  A..\n";
        QTest::newRow("CR LF markup") << "A[ CR][ LF]\r\n"
                                      << 1
                                      << "0041 005B 0020 0043  0052 005D 005B 0020  A[ CR][ \n"
                                         "004C 0046 005D ....  .... .... .... ....  LF]\n";
        QTest::newRow("CR LF pur") << "A[ CR][ LF]\r\n"
                                   << 2 << "0041 000D 000A ....  .... .... .... ....  A..\n";
        QTest::newRow("empty") << "" << 1 << "";
    }
    void contentsDumps() {
        QFETCH(QString, message);
        QFETCH(int, view);
        QFETCH(QString, dump);
        test::OpenSheet open(DocumentKind::Code39, message.toStdU16String());
        auto* page = open.Show<CStreamPage>();
        page->ViewGroup()->button(view)->click();
        QCOMPARE(page->DumpEdit()->toPlainText(), dump);
    }

    void eciCheckBox() {
        test::OpenSheet open(DocumentKind::PDF417);
        open.doc->m_UseEci = 0;
        auto* page = open.Show<CEciPP>();
        auto* box = page->findChild<QCheckBox*>();
        QCOMPARE(box->text(), QStringLiteral("Add a global ECI"));
        box->click();
        QCOMPARE(open.doc->m_UseEci, 1);
    }

    // The font dialog's QFont carries the caption font's description through unchanged.
    void captionFontRoundTrip() {
        for (const int weight : {400, 700}) {
            LogFont lf;
            lf.faceName = u"Liberation Sans";
            lf.weight = weight;
            lf.italic = weight == 700;
            lf.underline = true;
            const FontDescriptionFields back = FromQFont(ToQFont(lf, 125));
            QCOMPARE(FormatFontDescription(back), FormatFontDescription(lf, 125));
        }
    }

    // Values a control cannot show (from a file or the command line) survive every tab shown
    // and OK, as long as the user leaves those controls alone.
    void okWithoutEditsKeepsTheDocument() {
        struct Row {
            DocumentKind kind;
            std::function<void(CEncoderDoc&)> prepare;
            std::function<bool(const CEncoderDoc&)> kept;
        };
        const std::u16string caption(60, u'c');
        const Row rows[] = {
            {DocumentKind::AztecAnimated,
             [](CEncoderDoc& d) {
                 auto& a = static_cast<CAztecAnimatedDoc&>(d);
                 a.m_SymbolCount = 12, a.m_FrameTime = 5, a.m_Loops = 500;
             },
             [](const CEncoderDoc& d) {
                 const auto& a = static_cast<const CAztecAnimatedDoc&>(d);
                 return a.m_SymbolCount == 12 && a.m_FrameTime == 5 && a.m_Loops == 500;
             }},
            {DocumentKind::PDF417,
             [](CEncoderDoc& d) { static_cast<CPDF417Doc&>(d).m_DataColumns = 25; },
             [](const CEncoderDoc& d) {
                 return static_cast<const CPDF417Doc&>(d).m_DataColumns == 25;
             }},
            {DocumentKind::Aztec, [](CEncoderDoc& d) { d.m_WideRatio = 1.5f; },
             [](const CEncoderDoc& d) { return d.m_WideRatio == 1.5f; }},
            {DocumentKind::QR, [&caption](CEncoderDoc& d) { d.m_Caption = caption; },
             [&caption](const CEncoderDoc& d) { return d.m_Caption == caption; }},
        };
        for (const Row& row : rows) {
            test::OpenSheet open(row.kind, u"KEEP", row.prepare);
            for (int i = 0; i < open.sheet->PageCount(); ++i) open.sheet->SetActivePage(i);
            open.sheet->accept();
            QCOMPARE(open.sheet->result(), int(QDialog::Accepted));
            QVERIFY(open.Messages().empty());
            QVERIFY(row.kept(*open.doc));
        }
    }

    // Cancel gives back the document as it was, whatever the pages changed.
    void cancelRestoresEveryField() {
        auto doc = CreateDocument(DocumentKind::Aztec);
        doc->m_Message = u"KEEP";
        doc->m_Caption = u"cap";
        doc->BuildSymbol();
        const std::string before = StoreDocumentBytes(*doc);
        OverridePrinterResolution(QSize(600, 600));
        CancellingRunner runner([](PropertySheet& sheet) {
            auto* message = qobject_cast<CMsgPage*>(sheet.Page(0));
            message->Editor()->setPlainText(QStringLiteral("CHANGED"));
            QTest::keyClicks(message->CaptionEdit(), QStringLiteral("xyz"));
            message->StyleGroup()->button(1)->click();
            message->PositionGroup()->button(3)->click();
            sheet.SetActivePage(1);
            qobject_cast<CSizingPage*>(sheet.Page(1))->WidthSlider()->setValue(30);
            sheet.SetActivePage(3);
            sheet.Page(3)->findChild<QCheckBox*>()->click();
        });
        QVERIFY(EditSymbol(*doc, runner));
        QCOMPARE(doc->m_Message, u"KEEP");
        QCOMPARE(StoreDocumentBytes(*doc), before);
        QVERIFY(doc->m_Picture.HasPicture());
    }
};

QTEST_MAIN(PagesTest)
#include "pages_test.moc"
