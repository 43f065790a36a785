// The message page and the control-character picker, driven through their widgets.
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>

#include "gui/framework/preview_page.h"
#include "gui/pages/ascii_ctrl_dlg.h"
#include "gui/pages/char_wnd.h"
#include "gui/pages/document_commands.h"
#include "gui/pages/export_bitmap_dialog.h"
#include "gui/pages/msg_page.h"
#include "gui/pages/sizing_page.h"
#include "message/codepage_table.h"
#include "sheet_fixture.h"
#include "symbologies/qr/qr_doc.h"

using namespace tsy;
using namespace tsy::gui;

Q_DECLARE_METATYPE(tsy::MarkupStyle)
Q_DECLARE_METATYPE(tsy::EnterMode)

namespace {

QListWidgetItem* PickerLine(const CAsciiCtrlDlg& picker, int code) {
    for (int i = 0; i < picker.List()->count(); ++i)
        if (picker.List()->item(i)->data(Qt::UserRole).toInt() == code)
            return picker.List()->item(i);
    return nullptr;
}

}  // namespace

class MessagePageTest : public QObject {
    Q_OBJECT
    test::PrivateProfile profile_;

private slots:
    // Every preview page follows the translation: light red while a character is lost.
    void dataLossFollowsTheMessage() {
        test::OpenSheet open(DocumentKind::Code39, u"AB");
        auto* page = open.Find<CMsgPage>();
        QCOMPARE(page->StatusLabel()->text(), QStringLiteral("Accurate"));
        page->Editor()->setFocus();
        page->Editor()->moveCursor(QTextCursor::End);
        QTest::sendKeyEvent(QTest::Click, page->Editor(), Qt::Key_unknown, QStringLiteral("\u00E9"),
                            Qt::NoModifier);
        QCOMPARE(open.doc->m_Message, u"AB\u00E9");
        QCOMPARE(page->StatusLabel()->text(),
                 QStringLiteral("Data loss, please use another more suitable codepage"));
        QCOMPARE(page->Preview()->BkColor(), QColor(255, 100, 100));
        for (int i = 1; i < 3; ++i) {
            open.sheet->SetActivePage(i);
            auto* preview = qobject_cast<CPreviewPage*>(open.sheet->Page(i));
            QCOMPARE(preview->Preview()->BkColor(), QColor(255, 100, 100));
        }
        open.sheet->SetActivePage(0);
        QTest::keyClick(page->Editor(), Qt::Key_Backspace);
        QCOMPARE(open.doc->m_Message, u"AB");
        QCOMPARE(page->StatusLabel()->text(), QStringLiteral("Accurate"));
        QCOMPARE(page->Preview()->BkColor(), QColor(Qt::white));
        open.sheet->SetActivePage(1);
        QCOMPARE(open.Find<CSizingPage>()->Preview()->BkColor(), QColor(Qt::white));
    }

    void enterInsertsMarkup_data() {
        QTest::addColumn<MarkupStyle>("style");
        QTest::addColumn<EnterMode>("mode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("shift");
        QTest::newRow("Bracket CRLF")
            << MarkupStyle::Bracket << EnterMode::CrLf << "A[ CR][ LF]\r\n"
            << false;
        QTest::newRow("Bracket LF") << MarkupStyle::Bracket << EnterMode::Lf << "A[ LF]\r\n"
                                    << false;
        QTest::newRow("C CRLF") << MarkupStyle::C << EnterMode::CrLf << "A\\r\\n\r\n" << false;
        QTest::newRow("C CR shifted") << MarkupStyle::C << EnterMode::Cr << "A\\r\r\n" << true;
    }
    // From the first key press after the sheet opens.
    void enterInsertsMarkup() {
        QFETCH(MarkupStyle, style);
        QFETCH(EnterMode, mode);
        QFETCH(QString, message);
        QFETCH(bool, shift);
        test::OpenSheet open(DocumentKind::Aztec, u"A", [&](CEncoderDoc& doc) {
            doc.m_ViewStyle = style;
            doc.m_CrLfStyle = mode;
        });
        auto* page = open.Find<CMsgPage>();
        page->Editor()->moveCursor(QTextCursor::End);
        QTest::keyClick(page->Editor(), Qt::Key_Return, shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(QString::fromStdU16String(open.doc->m_Message), message);
    }

    // The caret stays on the same message character across Bracket <-> C.
    void restyleKeepsTheCaret() {
        test::OpenSheet open(DocumentKind::Aztec, u"AB[ CR][ LF]\r\nCD[ESC]E");
        auto* page = open.Find<CMsgPage>();
        CCharWnd* editor = page->Editor();
        const auto caretOn = [editor] {
            return editor->toPlainText().at(editor->textCursor().position());
        };
        editor->SetMessageCaret(15);  // on the D
        QCOMPARE(caretOn(), QChar(u'D'));
        page->StyleGroup()->button(1)->click();
        QCOMPARE(open.doc->m_ViewStyle, MarkupStyle::C);
        QCOMPARE(open.doc->m_Message, u"AB\\r\\n\r\nCD\\x1bE");
        QCOMPARE(caretOn(), QChar(u'D'));
        editor->SetMessageCaret(10);  // on the backslash of \x1b
        page->StyleGroup()->button(0)->click();
        QCOMPARE(open.doc->m_Message, u"AB[ CR][ LF]\r\nCD[ESC]E");
        QCOMPARE(caretOn(), QChar(u'['));
        QCOMPARE(editor->Style(), MarkupStyle::Bracket);
    }

    void importHonoursTheLimit_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("shown");
        QTest::newRow("61") << 61
                            << "File too large.  The maximum number of \r\ncharacters allowed "
                               "is 60.";
        QTest::newRow("60") << 60 << QString();
    }
    void importHonoursTheLimit() {
        QFETCH(int, size);
        QFETCH(QString, shown);
        test::OpenSheet open(DocumentKind::Code39, u"OLD");
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(QByteArray(size, 'X'));
        file.close();
        open.Find<CMsgPage>()->ImportFile(file.fileName());
        if (shown.isEmpty()) {
            QVERIFY(open.sink.entries.empty());
            QCOMPARE(open.doc->m_Message, std::u16string(static_cast<std::size_t>(size), u'X'));
        } else {
            QCOMPARE(open.Messages(), std::vector<std::u16string>{shown.toStdU16String()});
            QCOMPARE(open.doc->m_Message, u"OLD");
        }
    }

    void importTurnsLineBreaksIntoMarkup() {
        test::OpenSheet open(DocumentKind::Aztec, u"");
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write("\xEF\xBB\xBFone\r\ntwo");
        file.close();
        open.Find<CMsgPage>()->ImportFile(file.fileName());
        QCOMPARE(open.doc->m_Message, u"one[ CR][ LF]\r\ntwo");
    }

    void pickerLines() {
        CAsciiCtrlDlg picker(MarkupStyle::Bracket);
        QCOMPARE(picker.List()->count(), 65);
        QCOMPARE(PickerLine(picker, 0x85)->text(), QStringLiteral("0x85 133     NEL  Next Line"));
        for (int code : {0x0D, 0x0A}) picker.Pick(PickerLine(picker, code));
        QCOMPARE(picker.PreviewEdit()->text(), QStringLiteral("[ CR][ LF]"));
        QCOMPARE(picker.Picked(), u"\r\n");
    }

    // The picked characters go in as markup at the caret, with a line break after line ends.
    void controlCharsInsertAtTheCaret() {
        test::OpenSheet open(DocumentKind::Aztec, u"AB");
        auto* page = open.Find<CMsgPage>();
        page->Editor()->SetMessageCaret(1);
        page->InsertControlChars(u"\x1b\r\n");
        QCOMPARE(open.doc->m_Message, u"A[ESC][ CR][ LF]\r\nB");
        QCOMPARE(page->Editor()->MessageCaret(), 18);
    }

    void codepageBoxPerSheet_data() {
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<int>("codepage");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("selected");
        QTest::newRow("QR") << DocumentKind::QR << 0 << false << QString();
        QTest::newRow("Ziggur") << DocumentKind::Ziggur << 0 << false << QString();
        QTest::newRow("Aztec default") << DocumentKind::Aztec << 0 << true << "Symbology default";
        QTest::newRow("Code 39 German")
            << DocumentKind::Code39
            << static_cast<int>(FindCodepageExact(u"Iso IR21 Germany").codePage) << true
            << "Iso IR21 Germany";
        QTest::newRow("Code 128 none") << DocumentKind::Code128 << 0 << true << "Iso 646 (ASCII)";
    }
    void codepageBoxPerSheet() {
        QFETCH(DocumentKind, kind);
        QFETCH(int, codepage);
        QFETCH(bool, enabled);
        QFETCH(QString, selected);
        test::OpenSheet open(kind, u"AB", [&](CEncoderDoc& doc) { doc.m_Codepage = codepage; });
        auto* page = open.Find<CMsgPage>();
        QCOMPARE(page->CodepageBox()->isEnabled(), enabled);
        QCOMPARE(page->CodepageBox()->currentText(), selected);
        if (codepage != 0) {
            open.sheet->accept();
            QCOMPARE(open.doc->m_Codepage, codepage);
        }
    }

    void choosingAnEciEntry() {
        test::OpenSheet open(DocumentKind::PDF417, u"AB");
        QComboBox* box = open.Find<CMsgPage>()->CodepageBox();
        const int index = box->findText(QStringLiteral("CP437 PDF-GLI0 (legacy)"));
        box->setCurrentIndex(index);
        emit box->activated(index);
        QCOMPARE(open.doc->m_Eci, 0);
        QCOMPARE(open.doc->m_Codepage, 437);
    }

    // The picture buttons reach the document's commands.
    void commandButtons() {
        test::OpenSheet open(DocumentKind::QR, u"AB");
        const auto button = [&open](const QString& text) {
            for (auto* b : open.Find<CMsgPage>()->findChildren<QPushButton*>())
                if (b->text() == text) return b;
            return static_cast<QPushButton*>(nullptr);
        };
        button(QStringLiteral("To  Clipboard"))->click();
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(),
                 QSize(open.doc->m_Picture.Picture().width, open.doc->m_Picture.Picture().height));
        QStringList called;
        SetDocumentCommandRoutes(
            {[&](CEncoderDoc&) { called << "export"; }, [&](CEncoderDoc&) { called << "save"; }});
        button(QStringLiteral("Export to File..."))->click();
        button(QStringLiteral("Save as..."))->click();
        SetDocumentCommandRoutes({});
        QCOMPARE(called, QStringList({"export", "save"}));
    }

    // The reader's verdict beside the status: verified only what the reader knows and read back.
    void verdictFollowsTheBuild_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("qrModel");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("Aztec") << int(DocumentKind::Aztec) << 0 << "Verified";
        QTest::newRow("original QR")
            << int(DocumentKind::QR) << CQRDoc::kDefaultModel << "Not checked";
        QTest::newRow("ISO QR") << int(DocumentKind::QR) << CQRDoc::kIsoModel << "Verified";
    }
    void verdictFollowsTheBuild() {
        QFETCH(int, kind);
        QFETCH(int, qrModel);
        QFETCH(QString, verdict);
        test::OpenSheet open(static_cast<DocumentKind>(kind), u"Tessaly 23", [&](CEncoderDoc& d) {
            if (auto* qr = dynamic_cast<CQRDoc*>(&d)) qr->m_Model = qrModel;
        });
        auto* page = open.Find<CMsgPage>();
        QCOMPARE(page->VerdictLabel()->text(), verdict);
        QVERIFY(!page->VerdictLabel()->toolTip().isEmpty());
        QVERIFY(page->VerdictLabel()->isVisible());
        const QString dir = qEnvironmentVariable("TSY_GUI_ARTEFACTS", QDir::tempPath());
        QDir().mkpath(dir);
        open.dialog->grab().save(QDir(dir).filePath(
            QStringLiteral("Message-verdict-%1.png")
                .arg(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-'))));
    }

    // A build that fails keeps its old picture on screen, never its Verified.
    void failedBuildIsNotVerified() {
        test::OpenSheet open(DocumentKind::Code128, u"AB");
        auto* page = open.Find<CMsgPage>();
        QCOMPARE(page->VerdictLabel()->text(), QStringLiteral("Verified"));
        page->Editor()->selectAll();
        QTest::keyClick(page->Editor(), Qt::Key_Delete);
        QCOMPARE(open.doc->m_Message, u"");
        QCOMPARE(page->VerdictLabel()->text(), QStringLiteral("Not checked"));
    }

    // Without the main window's route the button runs the same export dialog: vector formats
    // and the resolution choice included.
    void exportButtonWritesVectorFiles() {
        test::OpenSheet open(DocumentKind::Aztec, u"AB");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        qsizetype filters = 0;
        QTimer::singleShot(0, [path, &filters] {
            auto* dialog = qobject_cast<ExportBitmapDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            filters = dialog->nameFilters().size();
            dialog->SetResolution(300);
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        for (auto* b : open.Find<CMsgPage>()->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Export to File...")) b->click();
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QCOMPARE(filters, 12);
        QCOMPARE(open.doc->m_DefaultExt, u"pdf");
    }

    void captionIsCutAtFifty() {
        test::OpenSheet open(DocumentKind::QR, u"AB");
        QLineEdit* caption = open.Find<CMsgPage>()->CaptionEdit();
        QTest::keyClicks(caption, QString(60, u'c'));
        QCOMPARE(open.doc->m_Caption, std::u16string(50, u'c'));
        open.Find<CMsgPage>()->PositionGroup()->button(2)->click();
        QCOMPARE(open.doc->m_CapPosition, 2);
    }
};

QTEST_MAIN(MessagePageTest)
#include "message_page_test.moc"
