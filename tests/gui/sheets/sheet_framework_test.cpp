// The sheets' tabs and buttons, the page cycle and the preview control's paint rule.
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>
#include <optional>

#include "gui/framework/bitmap_ctrl.h"
#include "gui/framework/preview_page.h"
#include "gui/sheets/dialog_sheet_runner.h"
#include "sheet_fixture.h"

using namespace tsy;
using namespace tsy::gui;

Q_DECLARE_METATYPE(tsy::DocumentKind)

namespace {

// A page with a number typed into a line edit and a check box that waits for Apply.
class NumberPage : public CTsyPage {
public:
    NumberPage()
        : CTsyPage(QStringLiteral("Numbers")),
          edit(new QLineEdit(this)),
          box(new QCheckBox(this)) {}
    void BindControls(PageBinding& b, CEncoderDoc& doc) override {
        b.Integer(edit, doc.m_Undercut, 1, 9);
        b.Check(box, doc.m_UseEci, PageBinding::React::Modified);
    }
    QLineEdit* edit;
    QCheckBox* box;
};

// A QR document with undercut 5 in a shown sheet holding one NumberPage.
struct NumberSheet {
    std::unique_ptr<CEncoderDoc> doc = CreateDocument(DocumentKind::QR);
    PropertySheet sheet{QStringLiteral("Test")};
    NumberPage* page = new NumberPage;
    RecordingMessageSink sink;

    explicit NumberSheet(std::optional<int> useEci = {}) {
        if (useEci) doc->m_UseEci = *useEci;
        doc->m_Undercut = 5;
        page->SetMessageSink(&sink);
        sheet.AddPage(page);
        sheet.SetDocument(doc.get());
        sheet.show();
    }
};

}  // namespace

class SheetFrameworkTest : public QObject {
    Q_OBJECT
    test::PrivateProfile profile_;

private slots:
    void tabsInOrder_data() {
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<bool>("apply");
        const QString tail = "Barcode Contents|Multiple Symbols";
        QTest::newRow("Aztec") << DocumentKind::Aztec << "Aztec Encoding Properties"
                               << ("Message|Sizing|Aztec Options|ECI Options|" + tail).split('|')
                               << false;
        QTest::newRow("Animated")
            << DocumentKind::AztecAnimated << "Aztec Encoding Properties"
            << QString("Message|Animatimation|Sizing|Aztec Options|ECI Options").split('|') << true;
        QTest::newRow("PDF417") << DocumentKind::PDF417 << "PDF417 Encoding Properties"
                                << ("Message|Sizing|PDF417 Options|ECI Options|" + tail).split('|')
                                << false;
        QTest::newRow("QR") << DocumentKind::QR << "QR Code Encoding Properties"
                            << ("Message|Sizing|QR Options|" + tail).split('|') << false;
        QTest::newRow("Code128") << DocumentKind::Code128 << "Code 128 Encoding Properties"
                                 << ("Message|Sizing|Code 128 Options|" + tail).split('|') << false;
        QTest::newRow("Code39") << DocumentKind::Code39 << "Code 39 Encoding Properties"
                                << ("Message|Sizing|Code 39 Options|" + tail).split('|') << false;
        QTest::newRow("Ziggur") << DocumentKind::Ziggur << "Ziggur Encoding Properties"
                                << ("Message|Sizing|Ziggur Options|" + tail).split('|') << false;
    }
    void tabsInOrder() {
        QFETCH(DocumentKind, kind);
        QFETCH(QString, caption);
        QFETCH(QStringList, tabs);
        QFETCH(bool, apply);
        test::OpenSheet open(kind);
        QCOMPARE(open.sheet->windowTitle(), caption);
        QStringList shown;
        for (int i = 0; i < open.sheet->Tabs()->count(); ++i)
            shown << open.sheet->Tabs()->tabText(i);
        QCOMPARE(shown, tabs);
        QCOMPARE(open.sheet->Buttons()->button(QDialogButtonBox::Apply)->isVisibleTo(open.sheet),
                 apply);
    }

    // Only shown pages exchange data; each tab shown reloads from the document.
    void pagesLoadWhenShown() {
        test::OpenSheet open(DocumentKind::QR);
        QVERIFY(open.sheet->Page(0)->Initialised());
        QVERIFY(!open.sheet->Page(1)->Initialised());
        open.sheet->SetActivePage(1);
        QVERIFY(open.sheet->Page(1)->Initialised());
        auto* preview = static_cast<CPreviewPage*>(open.sheet->Page(1))->Preview();
        QVERIFY(!preview->Bitmap().isNull());
    }

    // The runner shows the document's own sheet modally; OK confirms, Cancel does not.
    void runnerRunsTheSheetModally() {
        auto doc = CreateDocument(DocumentKind::PDF417);
        doc->m_Message = u"AB";
        for (const bool confirm : {true, false}) {
            QString shown;
            QTimer::singleShot(0, [&shown, confirm] {
                auto* sheet = qobject_cast<PropertySheet*>(QApplication::activeModalWidget());
                if (!sheet) return;
                shown = sheet->windowTitle();
                confirm ? sheet->accept() : sheet->reject();
            });
            DialogSheetRunner runner;
            QCOMPARE(runner.RunSheet(*doc), confirm);
            QCOMPARE(shown, QStringLiteral("PDF417 Encoding Properties"));
        }
    }

    void integerPrompts_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("in range") << "9" << 9 << QString();
        QTest::newRow("below") << "0" << 5 << "Enter an integer between 1 and 9.";
        QTest::newRow("text") << "x" << 5 << "Enter an integer.";
    }
    // Checked when the user leaves the field; a refused value stores nothing.
    void integerPrompts() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(QString, prompt);
        NumberSheet s;
        auto& [doc, sheet, page, sink] = s;
        page->edit->clear();
        QApplication::setActiveWindow(&sheet);
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        page->edit->setFocus();
        QVERIFY(page->edit->hasFocus());
        QTest::keyClicks(page->edit, typed);
        QCOMPARE(doc->m_Undercut, 5);
        QTest::keyClick(page->edit, Qt::Key_Tab);
        QVERIFY(!page->edit->hasFocus());
        QCOMPARE(doc->m_Undercut, stored);
        QCOMPARE(sink.entries.size(), prompt.isEmpty() ? 0u : 1u);
        if (!prompt.isEmpty()) QCOMPARE(QString::fromStdU16String(sink.entries[0].text), prompt);
    }

    // A change that waits enables Apply; Apply stores it.
    void modifiedWaitsForApply() {
        NumberSheet s(0);
        auto& [doc, sheet, page, sink] = s;
        QPushButton* apply = sheet.Buttons()->button(QDialogButtonBox::Apply);
        QVERIFY(!apply->isEnabled());
        page->box->click();
        QCOMPARE(doc->m_UseEci, 0);
        QVERIFY(apply->isEnabled());
        apply->click();
        QCOMPARE(doc->m_UseEci, 1);
        QVERIFY(!apply->isEnabled());
    }

    void previewPaint_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSize>("bitmap");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QRect>("target");
        QTest::newRow("fits") << QSize(300, 150) << QSize(200, 99) << 1.0 << QRect(50, 25, 200, 99);
        QTest::newRow("wide") << QSize(300, 150) << QSize(600, 99) << 0.5 << QRect(0, 50, 300, 49);
    }
    void previewPaint() {
        QFETCH(QSize, window);
        QFETCH(QSize, bitmap);
        QFETCH(double, scale);
        QFETCH(QRect, target);
        CBitmapCtrl ctrl;
        ctrl.resize(window);
        QImage image(bitmap, QImage::Format_RGB888);
        image.fill(Qt::black);
        ctrl.SetBitmap(image);
        ctrl.FitToWindow(true);
        QCOMPARE(ctrl.ScaleX(), scale);
        QCOMPARE(ctrl.ScaleY(), scale);
        const PreviewPaint p = ComputePreviewPaint(window.width(), window.height(), bitmap.width(),
                                                   bitmap.height(), scale, scale);
        QCOMPARE(p.target, target);
        // The margins are the background, the picture is where the rule puts it.
        ctrl.SetBkColor(QColor(255, 100, 100));
        const QImage shot = ctrl.grab().toImage();
        QCOMPARE(shot.pixelColor(target.center()), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(target.left() > 0 ? 0 : target.center().x(),
                                 target.top() > 0 ? 0 : target.center().y()),
                 QColor(255, 100, 100));
    }

    // A too small window cuts the source so the drawn part is not squeezed.
    void previewCutsToWindow() {
        const PreviewPaint p = ComputePreviewPaint(100, 40, 200, 99, 1.0, 1.0);
        QCOMPARE(p.sourceWidth, 100);
        QCOMPARE(p.sourceHeight, 40);
        QCOMPARE(p.target, QRect(0, 0, 100, 40));
    }
};

QTEST_MAIN(SheetFrameworkTest)
#include "sheet_framework_test.moc"
