// The symbology option pages driven through their widgets: what they load from the document,
// what they store into it, and the reactions that change other values.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>
#include <functional>

#include "gui/options/aztec_page.h"
#include "gui/options/code128_page.h"
#include "gui/options/code39_page.h"
#include "gui/options/pdf417_page.h"
#include "gui/options/qr_page.h"
#include "gui/options/ziggur_page.h"
#include "sheet_fixture.h"
#include "symbologies/aztec/aztec_doc.h"
#include "symbologies/code128/code128_doc.h"
#include "symbologies/code39/code39_doc.h"
#include "symbologies/pdf417/pdf417_doc.h"
#include "symbologies/qr/qr_doc.h"
#include "symbologies/ziggur/ziggur_doc.h"

using namespace tsy;
using namespace tsy::gui;

namespace {

// On the indicator: a stretched button takes clicks on its indicator and text only.
void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}
void Click(QButtonGroup* group, int id) {
    Click(group->button(id));
}
void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The sheet with the page's tab shown, saved for a look at its layout.
void Shoot(const test::OpenSheet& open, const QString& name) {
    const QString dir = qEnvironmentVariable("TSY_GUI_ARTEFACTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    open.dialog->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// One page: values put into the document, what its controls must show, an edit through the
// controls, and the values the document must hold afterwards.
struct RoundTrip {
    const char* name;
    DocumentKind kind;
    std::function<void(CEncoderDoc&)> prepare;
    std::function<bool(const test::OpenSheet&)> shows;
    std::function<void(const test::OpenSheet&)> edit;
    std::function<bool(CEncoderDoc&)> holds;
};

template <class Page>
Page* P(const test::OpenSheet& open) {
    return open.Find<Page>();
}

const RoundTrip kRoundTrips[] = {
    {"Aztec", DocumentKind::Aztec,
     [](CEncoderDoc& d) {
         auto& a = static_cast<CAztecDoc&>(d);
         a.m_ErrorCorrection = 40, a.m_ReverseVideo = 1, a.m_SymbolCount = 3, a.m_AppendId = u"X";
     },
     [](const test::OpenSheet& o) {
         auto* p = P<CAztecPage>(o);
         return p->CorrectionSlider()->value() == 40 && p->CorrectionText()->text() == "40%" &&
                p->CorrectionSlider()->isEnabled() && !p->DefaultBox()->isChecked() &&
                p->ReverseBox()->isChecked() && p->SymbolsSpin()->value() == 3 &&
                p->AppendIdEdit()->text() == "X" && p->TypeGroup()->checkedId() == 0;
     },
     [](const test::OpenSheet& o) {
         auto* p = P<CAztecPage>(o);
         p->SymbolsSpin()->stepUp();
         Click(p->ReverseBox());
         Type(p->AppendIdEdit(), QStringLiteral("ID7"));
         p->CorrectionSlider()->triggerAction(QSlider::SliderSingleStepAdd);
         Click(p->TypeGroup(), kAztecTypeMenu);
     },
     [](CEncoderDoc& d) {
         auto& a = static_cast<CAztecDoc&>(d);
         return a.m_SymbolCount == 4 && a.m_ReverseVideo == 0 && a.m_AppendId == u"ID7" &&
                a.m_ErrorCorrection == 41 && a.m_SymbolType == kAztecTypeMenu;
     }},
    {"PDF417", DocumentKind::PDF417,
     [](CEncoderDoc& d) {
         auto& p = static_cast<CPDF417Doc&>(d);
         p.m_ErrorCorrectionLevel = 6, p.m_DataColumns = 9, p.m_Truncate = 1;
     },
     [](const test::OpenSheet& o) {
         auto* p = P<CPDF417Page>(o);
         return p->LevelSlider()->value() == 6 && p->LevelText()->text() == "Level 6" &&
                p->ColumnsSlider()->value() == 9 && p->ColumnsText()->text() == "9" &&
                p->TruncateBox()->isChecked() && p->LevelSlider()->maximum() == 8 &&
                p->ColumnsSlider()->minimum() == 1 && p->ColumnsSlider()->maximum() == 15;
     },
     [](const test::OpenSheet& o) {
         auto* p = P<CPDF417Page>(o);
         p->LevelSlider()->triggerAction(QSlider::SliderToMinimum);
         p->ColumnsSlider()->triggerAction(QSlider::SliderToMaximum);
         Click(p->TruncateBox());
     },
     [](CEncoderDoc& d) {
         auto& p = static_cast<CPDF417Doc&>(d);
         return p.m_ErrorCorrectionLevel == 0 && p.m_DataColumns == 15 && p.m_Truncate == 0;
     }},
    {"QR", DocumentKind::QR,
     [](CEncoderDoc& d) {
         auto& q = static_cast<CQRDoc&>(d);
         q.m_ErrorCorrectionLevel = 3, q.m_ReverseVideo = 1;
     },
     [](const test::OpenSheet& o) {
         auto* p = P<CQRPage>(o);
         return p->LevelGroup()->checkedButton()->text() == "Q - High" &&
                p->ReverseBox()->isChecked() && p->ModelGroup()->checkedId() == 1 &&
                !p->ModelGroup()->button(0)->isEnabled() &&
                !p->ModelGroup()->button(1)->isEnabled() && p->ModelGroup()->button(2)->isEnabled();
     },
     [](const test::OpenSheet& o) {
         auto* p = P<CQRPage>(o);
         Click(p->LevelGroup(), 2);
         Click(p->ReverseBox());
         Click(p->ModelGroup(), CQRDoc::kIsoModel);
     },
     [](CEncoderDoc& d) {
         auto& q = static_cast<CQRDoc&>(d);
         return q.m_ErrorCorrectionLevel == 2 && q.m_ReverseVideo == 0 &&
                q.m_Model == CQRDoc::kIsoModel;
     }},
    {"Code39", DocumentKind::Code39,
     [](CEncoderDoc& d) { static_cast<CCode39Doc&>(d).m_CheckCharacter = 1; },
     [](const test::OpenSheet& o) {
         auto* p = P<CCode39Page>(o);
         return p->CheckBox()->isChecked() && !p->MenuBox()->isChecked();
     },
     [](const test::OpenSheet& o) {
         auto* p = P<CCode39Page>(o);
         Click(p->CheckBox());
         Click(p->MenuBox());
     },
     [](CEncoderDoc& d) {
         auto& c = static_cast<CCode39Doc&>(d);
         return c.m_CheckCharacter == 0 && c.m_MenuCode == 1;
     }},
    {"Code128", DocumentKind::Code128,
     [](CEncoderDoc& d) {
         auto& c = static_cast<CCode128Doc&>(d);
         c.m_MenuId = 5, c.m_MenuOpcode = 1, c.m_MenuOffset = u"10", c.m_MenuData = u"0203";
     },
     [](const test::OpenSheet& o) {
         auto* p = P<CCode128Page>(o);
         return p->MenuIdEdit()->text() == "5" && p->OpcodeEdit()->text() == "1" &&
                p->OffsetEdit()->text() == "10" && p->DataEdit()->text() == "0203" &&
                p->VariantGroup()->checkedId() == 0;
     },
     [](const test::OpenSheet& o) {
         auto* p = P<CCode128Page>(o);
         Type(p->MenuIdEdit(), QStringLiteral("106"));
         Type(p->OpcodeEdit(), QStringLiteral("79"));  // the 9 cannot be typed
         Type(p->OffsetEdit(), QStringLiteral("1F2A"));
         Type(p->DataEdit(), QStringLiteral("0x01020304"));
     },
     [](CEncoderDoc& d) {
         auto& c = static_cast<CCode128Doc&>(d);
         return c.m_MenuId == 106 && c.m_MenuOpcode == 7 && c.m_MenuOffset == u"1F2" &&
                c.m_MenuData == u"0x010203";
     }},
    {"Ziggur", DocumentKind::Ziggur,
     [](CEncoderDoc& d) {
         auto& z = static_cast<CZiggurDoc&>(d);
         z.m_HostMessage = u"AB", z.m_HostSymbology = kZiggurHostCode93, z.m_Symmetry = 0,
         z.m_BarrierRows = 1, z.m_DefaultHostHeight = 0;
     },
     [](const test::OpenSheet& o) {
         auto* p = P<CZiggurPage>(o);
         return p->HostEdit()->text() == "AB" &&
                p->HostGroup()->checkedButton()->text() == "Code 93" &&
                p->SymmetryGroup()->checkedId() == 0 && p->BarrierBox()->isChecked() &&
                !p->MenuBox()->isChecked() && !p->DefaultHeightBox()->isChecked() &&
                !p->HostEdit()->isReadOnly();
     },
     [](const test::OpenSheet& o) {
         auto* p = P<CZiggurPage>(o);
         Type(p->HostEdit(), QStringLiteral("XY"));
         Click(p->HostGroup(), kZiggurHostCode128);
         Click(p->SymmetryGroup(), 1);
         Click(p->BarrierBox());
         Click(p->DefaultHeightBox());
     },
     [](CEncoderDoc& d) {
         auto& z = static_cast<CZiggurDoc&>(d);
         return z.m_HostMessage == u"XY" && z.m_HostSymbology == kZiggurHostCode128 &&
                z.m_Symmetry == 1 && z.m_BarrierRows == 0 && z.m_DefaultHostHeight == 1;
     }},
};

// The option page is the third tab of every sheet.
constexpr int kOptionTab = 2;

}  // namespace

class OptionPagesTest : public QObject {
    Q_OBJECT
    test::PrivateProfile profile_;

private slots:
    void loadAndStore() {
        for (const RoundTrip& row : kRoundTrips) {
            test::OpenSheet open(row.kind, u"ABC123");
            if (auto* ziggur = dynamic_cast<CZiggurDoc*>(open.doc.get()))
                ziggur->m_HostMessage = u"AB";
            row.prepare(*open.doc);
            open.sheet->SetActivePage(kOptionTab);
            QVERIFY2(row.shows(open), row.name);
            auto* page = static_cast<CPreviewPage*>(open.sheet->Page(kOptionTab));
            QVERIFY2(!page->Preview()->Bitmap().isNull(), row.name);
            Shoot(open, QString::fromLatin1(row.name) + QStringLiteral("-options"));
            row.edit(open);
            QVERIFY2(row.holds(*open.doc), row.name);
            // Leaving the tab stores nothing new: the edits are in already.
            open.sheet->SetActivePage(0);
            QVERIFY2(row.holds(*open.doc), row.name);
        }
    }

    // The graphic models stay shut while one is chosen, and open from the standard model as the
    // way back to it; the verdict under the preview follows.
    void qrModelWayBack() {
        test::OpenSheet open(DocumentKind::QR, u"HELLO");
        auto* page = open.Show<CQRPage>();
        auto& doc = static_cast<CQRDoc&>(*open.doc);
        const auto graphicOpen = [page] {
            return page->ModelGroup()->button(0)->isEnabled() &&
                   page->ModelGroup()->button(1)->isEnabled();
        };
        QVERIFY(!graphicOpen());
        QCOMPARE(page->VerdictLabel()->text(), QStringLiteral("Not checked"));
        Click(page->ModelGroup(), CQRDoc::kIsoModel);
        QVERIFY(graphicOpen());
        QCOMPARE(page->VerdictLabel()->text(), QStringLiteral("Verified"));
        Click(page->ModelGroup(), 0);
        QCOMPARE(doc.m_Model, 0);
        QVERIFY(!graphicOpen());
        QCOMPARE(page->VerdictLabel()->text(), QStringLiteral("Not checked"));
        // Loaded from a document on the standard model, the way back is open at once.
        doc.m_Model = CQRDoc::kIsoModel;
        page->Load();
        QVERIFY(graphicOpen());
    }

    // Rune replaces the message by "0"; the type decides what else can be set.
    void aztecSymbolType() {
        test::OpenSheet open(DocumentKind::Aztec, u"HELLO");
        auto* page = open.Show<CAztecPage>();
        Click(page->TypeGroup(), kAztecTypeRune);
        QCOMPARE(open.doc->m_Message, u"0");
        QCOMPARE(static_cast<CAztecDoc&>(*open.doc).m_SymbolType, int(kAztecTypeRune));
        for (QWidget* w : {static_cast<QWidget*>(page->CorrectionSlider()),
                           static_cast<QWidget*>(page->SymbolsSpin()),
                           static_cast<QWidget*>(page->AppendIdEdit())})
            QVERIFY(!w->isEnabled());
        Click(page->TypeGroup(), kAztecTypeNormal);
        QCOMPARE(open.doc->m_Message, u"0");
        QVERIFY(page->SymbolsSpin()->isEnabled());
    }

    // Unticked, the default gives way to 23%; ticked, the document goes back to 0.
    void aztecDefaultCorrection() {
        test::OpenSheet open(DocumentKind::Aztec, u"HELLO");
        auto* page = open.Show<CAztecPage>();
        auto& aztec = static_cast<CAztecDoc&>(*open.doc);
        QVERIFY(page->DefaultBox()->isChecked());
        QVERIFY(!page->CorrectionSlider()->isEnabled());
        QCOMPARE(page->CorrectionText()->text(), QStringLiteral("23%"));
        Click(page->DefaultBox());
        QCOMPARE(aztec.m_ErrorCorrection, 23);
        QVERIFY(page->CorrectionSlider()->isEnabled());
        QVERIFY(page->CorrectionText()->isEnabled());
        QCOMPARE(page->CorrectionSlider()->value(), 23);
        page->CorrectionSlider()->triggerAction(QSlider::SliderPageStepAdd);
        QCOMPARE(page->CorrectionText()->text(),
                 QStringLiteral("%1%").arg(aztec.m_ErrorCorrection));
        Click(page->DefaultBox());
        QCOMPARE(aztec.m_ErrorCorrection, 0);
        QVERIFY(!page->CorrectionSlider()->isEnabled());
        QCOMPARE(page->CorrectionText()->text(), QStringLiteral("23%"));
    }

    void code128Variants_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QList<int>>("flags");  // trailing FNC3, leading FNC3, leading tilde
        QTest::newRow("regular") << 0 << QList<int>{0, 0, 0};
        QTest::newRow("Corvanta") << 1 << QList<int>{1, 0, 1};
        QTest::newRow("MAC") << 2 << QList<int>{1, 0, 0};
        QTest::newRow("Pellworth") << 3 << QList<int>{0, 1, 0};
    }
    // Each button stores its three flags, and the flags bring the button back.
    void code128Variants() {
        QFETCH(int, button);
        QFETCH(QList<int>, flags);
        test::OpenSheet open(DocumentKind::Code128, u"ABC");
        auto* page = open.Show<CCode128Page>();
        auto& doc = static_cast<CCode128Doc&>(*open.doc);
        Click(page->VariantGroup(), button == 0 ? 3 : 0);
        Click(page->VariantGroup(), button);
        QCOMPARE((QList<int>{doc.m_TrailingFnc3, doc.m_LeadingFnc3, doc.m_LeadingTilde}), flags);
        Click(page->VariantGroup(), button == 0 ? 3 : 0);
        doc.m_TrailingFnc3 = flags[0], doc.m_LeadingFnc3 = flags[1], doc.m_LeadingTilde = flags[2];
        page->Load();
        QCOMPARE(page->VariantGroup()->checkedId(), button);
    }

    // Ticking Menu 128 writes "Menu" as the message, clearing it empties the message.
    void code128Menu() {
        test::OpenSheet open(DocumentKind::Code128, u"ABC");
        auto* page = open.Show<CCode128Page>();
        auto& doc = static_cast<CCode128Doc&>(*open.doc);
        Click(page->MenuBox());
        QCOMPARE(doc.m_Menu128, 1);
        QCOMPARE(doc.m_Message, u"Menu");
        QVERIFY(!page->Preview()->Bitmap().isNull());
        Click(page->MenuBox());
        QCOMPARE(doc.m_Menu128, 0);
        QCOMPARE(doc.m_Message, u"");
        // A number left empty is refused when the page is left, and the page stays.
        page->MenuIdEdit()->clear();
        open.sheet->SetActivePage(0);
        QCOMPARE(open.sheet->ActiveIndex(), kOptionTab);
        QCOMPARE(open.Messages(),
                 std::vector<std::u16string>{u"Please enter an integer between 0 and 106."});
    }

    // The menu symbol's host message follows the host: "0000" on Interleaved 2 of 5.
    void ziggurMenuHost() {
        test::OpenSheet open(DocumentKind::Ziggur, u"HELLO");
        auto& doc = static_cast<CZiggurDoc&>(*open.doc);
        doc.m_HostMessage = u"1234";
        doc.m_HostSymbology = kZiggurHostItf;
        auto* page = open.Show<CZiggurPage>();
        Click(page->MenuBox());
        QCOMPARE(doc.m_MenuSymbol, 1);
        QCOMPARE(doc.m_HostMessage, u"0000");
        QVERIFY(page->HostEdit()->isReadOnly());
        Click(page->HostGroup(), kZiggurHostCode39);
        QCOMPARE(doc.m_HostMessage, u"0");
        QCOMPARE(page->HostEdit()->text(), QStringLiteral("0"));
        Click(page->HostGroup(), kZiggurHostItfBearers);
        QCOMPARE(doc.m_HostMessage, u"0000");
        Click(page->MenuBox());
        QCOMPARE(doc.m_MenuSymbol, 0);
        QCOMPARE(doc.m_HostMessage, u"1234");
        QVERIFY(!page->HostEdit()->isReadOnly());
    }
};

QTEST_MAIN(OptionPagesTest)
#include "option_pages_test.moc"
