// The key filters of the main window's boxes: which keys produce a character code, which codes
// an input box refuses, the Enter chain, the read-only result boxes and Text1's red background.
#include "shownform1.h"

#include "common/testsupport.h"
#include "ui/main/form1.h"
#include "ui/keycodes.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <memory>
#include <optional>

using platform::MessageIcon;

class Form1KeysTest : public QObject, private ShownForm1 {
    Q_OBJECT

private:
    void setBoxBackground(QLineEdit *edit, const QColor &color)
    {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, color);
        edit->setPalette(palette);
    }

private slots:
    void init() { QVERIFY(openForm()); }
    void cleanup() { closeForm(); }

    // The character code a key event carries, as the boxes' key-press handlers receive it.
    void characterCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");   // -1: no character at all
        const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
        const int alt = Qt::AltModifier;
        QTest::newRow("digit 7") << int(Qt::Key_7) << none << "7" << 55;
        QTest::newRow("letter a") << int(Qt::Key_A) << none << "a" << 97;
        QTest::newRow("letter A") << int(Qt::Key_A) << shift << "A" << 65;
        QTest::newRow("minus") << int(Qt::Key_Minus) << none << "-" << 45;
        QTest::newRow("blank") << int(Qt::Key_Space) << none << " " << 32;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
        QTest::newRow("return") << int(Qt::Key_Return) << none << "\r" << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
        QTest::newRow("escape") << int(Qt::Key_Escape) << none << "\x1b" << 27;
        QTest::newRow("ctrl+v as a letter") << int(Qt::Key_V) << ctrl << "v" << 22;
        QTest::newRow("ctrl+v as a control char") << int(Qt::Key_V) << ctrl << "\x16" << 22;
        QTest::newRow("ctrl+c") << int(Qt::Key_C) << ctrl << "" << 3;
        QTest::newRow("ctrl+shift+x") << int(Qt::Key_X) << (ctrl | shift) << "X" << 24;
        QTest::newRow("delete") << int(Qt::Key_Delete) << none << "\x7f" << -1;
        QTest::newRow("left") << int(Qt::Key_Left) << none << "" << -1;
        QTest::newRow("home") << int(Qt::Key_Home) << none << "" << -1;
        QTest::newRow("end") << int(Qt::Key_End) << none << "" << -1;
        QTest::newRow("f5") << int(Qt::Key_F5) << none << "" << -1;
        QTest::newRow("tab") << int(Qt::Key_Tab) << none << "\t" << -1;
        QTest::newRow("shift alone") << int(Qt::Key_Shift) << shift << "" << -1;
        QTest::newRow("alt+p") << int(Qt::Key_P) << alt << "p" << -1;
        QTest::newRow("ctrl+1") << int(Qt::Key_1) << ctrl << "1" << -1;
    }

    void characterCodes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, expected);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        const std::optional<std::int16_t> code = keycodes::characterCode(event);
        if (expected < 0)
            QVERIFY(!code.has_value());
        else
            QCOMPARE(code.value_or(-1), std::int16_t(expected));
    }

    void digitsAndBackspacePassSilently()
    {
        QLineEdit *text = box("Text6");
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, "4096");
        QCOMPARE(text->text(), QStringLiteral("4096"));
        QTest::keyClick(text, Qt::Key_7);   // a fifth character is not inserted
        QCOMPARE(text->text(), QStringLiteral("4096"));
        QTest::keyClick(text, Qt::Key_Backspace);
        QCOMPARE(text->text(), QStringLiteral("409"));
        QTest::keyClick(text, Qt::Key_Left);
        QTest::keyClick(text, Qt::Key_Delete);
        QCOMPARE(text->text(), QStringLiteral("40"));
        QTest::keyClick(text, Qt::Key_Home);
        QTest::keyClick(text, Qt::Key_Right);
        QTest::keyClick(text, Qt::Key_1);
        QCOMPARE(text->text(), QStringLiteral("410"));
        QVERIFY(m_messages->messages().isEmpty());
    }

    // Every character that is not a digit, Backspace or Enter shows the warning once and is
    // dropped before the box sees it; that includes keyboard paste, copy, cut and undo.
    void refusedCharacters_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        const int none = Qt::NoModifier, ctrl = Qt::ControlModifier;
        QTest::newRow("letter") << "Text1" << int(Qt::Key_A) << none;
        QTest::newRow("upper-case letter") << "Text2" << int(Qt::Key_B) << int(Qt::ShiftModifier);
        QTest::newRow("minus") << "Text3" << int(Qt::Key_Minus) << none;
        QTest::newRow("full stop") << "Text4" << int(Qt::Key_Period) << none;
        QTest::newRow("blank") << "Text5" << int(Qt::Key_Space) << none;
        QTest::newRow("ctrl+v") << "Text10" << int(Qt::Key_V) << ctrl;
        QTest::newRow("ctrl+c") << "Text7" << int(Qt::Key_C) << ctrl;
        QTest::newRow("ctrl+x") << "Text8" << int(Qt::Key_X) << ctrl;
        QTest::newRow("ctrl+z") << "Text9" << int(Qt::Key_Z) << ctrl;
        QTest::newRow("ctrl+a") << "Text6" << int(Qt::Key_A) << ctrl;
        QTest::newRow("escape") << "Text1" << int(Qt::Key_Escape) << none;
    }

    void refusedCharacters()
    {
        QFETCH(QString, boxName);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QApplication::clipboard()->setText(QStringLiteral("55"));
        QLineEdit *text = box(boxName);
        text->setFocus();
        text->setText(QStringLiteral("1"));
        text->end(false);
        text->insert(QStringLiteral("2"));   // something to undo
        text->setSelection(0, 1);   // cut, copy or typing would all change a selection
        bool dropped = false;
        m_messages->onMessage([&](const platform::MessageRequest &) { dropped = text->text() == "12"; });

        QTest::keyClick(text, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        QCOMPARE(m_messages->messages().size(), 1);
        const auto message = m_messages->messages().first();
        QCOMPARE(message.text, QStringLiteral(" Anda tidak bisa memasukan huruf !"));
        QCOMPARE(message.title, QStringLiteral("Warning"));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QVERIFY(dropped);
        QCOMPARE(text->text(), QStringLiteral("12"));
        // Undo would bring back an earlier text if the box had seen Ctrl+Z.
        QVERIFY(text->hasSelectedText());
        QCOMPARE(QApplication::focusWidget(), text);
    }

    void keyboardPasteWithoutCharacterIsDropped()
    {
        QApplication::clipboard()->setText(QStringLiteral("x9"));
        QLineEdit *text = box("Text2");
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(text, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(text->text(), QStringLiteral("0"));
        QVERIFY(m_messages->messages().isEmpty());
    }

    void enterChain_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("Text1") << "Text1" << "Text2";
        QTest::newRow("Text2") << "Text2" << "Text3";
        QTest::newRow("Text3") << "Text3" << "Text4";
        QTest::newRow("Text4 to the arrival of P5") << "Text4" << "Text10";
        QTest::newRow("Text10 to the burst of P1") << "Text10" << "Text5";
        QTest::newRow("Text5") << "Text5" << "Text6";
        QTest::newRow("Text6") << "Text6" << "Text7";
        QTest::newRow("Text7") << "Text7" << "Text8";
        QTest::newRow("Text8") << "Text8" << "Text9";
    }

    void enterChain()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QLineEdit *text = box(from);
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box(to));
        if (to != QLatin1String("Text9")) {   // Text9 ends the chain with a notice of its own
            QTest::keyClick(box(to), Qt::Key_Enter, Qt::KeypadModifier);
            QVERIFY(QApplication::focusWidget() != box(to));
        }
        QCOMPARE(text->text(), QStringLiteral("0"));
        QVERIFY(m_messages->messages().isEmpty());
    }

    void enterInText9WalksToProses()
    {
        QLineEdit *text = box("Text9");
        text->setFocus();
        QWidget *focusAtNotice = nullptr;
        m_messages->onMessage([&](const platform::MessageRequest &) {
            focusAtNotice = QApplication::focusWidget();
        });
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(m_messages->messages().size(), 1);
        const auto message = m_messages->messages().first();
        QCOMPARE(message.text, QStringLiteral("Klik proses jika sudah selesai menginputkan "));
        QCOMPARE(message.title, QStringLiteral("Quorvel"));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QCOMPARE(focusAtNotice, get("XPButton1"));
        QCOMPARE(QApplication::focusWidget(), get("XPButton1"));
        // Nothing was computed.
        QCOMPARE(box("HasilAWT")->text(), QStringLiteral("Buffer = 0"));
    }

    void resultBoxesAnswerEveryCharacter_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("digit in HasilAWT") << "HasilAWT" << int(Qt::Key_5) << int(Qt::NoModifier);
        QTest::newRow("letter in HasilATT") << "HasilATT" << int(Qt::Key_Q) << int(Qt::NoModifier);
        QTest::newRow("backspace in HasilAWT") << "HasilAWT" << int(Qt::Key_Backspace) << int(Qt::NoModifier);
        QTest::newRow("ctrl+v in HasilATT") << "HasilATT" << int(Qt::Key_V) << int(Qt::ControlModifier);
    }

    void resultBoxesAnswerEveryCharacter()
    {
        QFETCH(QString, boxName);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QLineEdit *result = box(boxName);
        result->setFocus();
        result->end(false);
        QTest::keyClick(result, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(m_messages->messages().size(), 1);
        const auto message = m_messages->messages().first();
        QCOMPARE(message.text, QStringLiteral("Maaf tempat ini tidak bisa ditambahkan teks"));
        QCOMPARE(message.title, QStringLiteral("Quorvel"));
        QCOMPARE(message.icon, MessageIcon::None);
        QCOMPARE(result->text(), QStringLiteral("Buffer = 0"));
    }

    void resultBoxCursorKeysAreSilent()
    {
        QLineEdit *result = box("HasilAWT");
        result->setFocus();
        result->end(false);
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Delete})
            QTest::keyClick(result, key);
        QCOMPARE(result->text(), QStringLiteral("Buffer = 0"));
        QVERIFY(m_messages->messages().isEmpty());
    }

    void text1TurnsWhiteOnAnyKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier);
        QTest::newRow("arrow") << int(Qt::Key_Left) << int(Qt::NoModifier);
        QTest::newRow("digit") << int(Qt::Key_3) << int(Qt::NoModifier);
        QTest::newRow("refused letter") << int(Qt::Key_K) << int(Qt::NoModifier);
    }

    void text1TurnsWhiteOnAnyKey()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        box("Text1")->setText(QStringLiteral("4"));
        QTest::mouseClick(m_form->findChild<QPushButton *>("Command1"), Qt::LeftButton);
        QCOMPARE(box("Text1")->palette().color(QPalette::Base), QColor(Qt::red));
        m_messages->clear();

        // A key in another box leaves it red.
        box("Text2")->setFocus();
        QTest::keyClick(box("Text2"), Qt::Key_Shift, Qt::ShiftModifier);
        QTest::keyClick(box("Text2"), Qt::Key_1);
        QCOMPARE(box("Text1")->palette().color(QPalette::Base), QColor(Qt::red));

        box("Text1")->setFocus();
        QTest::keyClick(box("Text1"), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box("Text1")->palette().color(QPalette::Base), QColor(Qt::white));
    }

    void onlyText1HasAKeyDownHandler()
    {
        QLineEdit *text2 = box("Text2");
        setBoxBackground(text2, Qt::red);
        text2->setFocus();
        QTest::keyClick(text2, Qt::Key_Shift, Qt::ShiftModifier);
        QCOMPARE(text2->palette().color(QPalette::Base), QColor(Qt::red));
    }

    // --- the menu bar from the keyboard -------------------------------------------------------

    void f10OpensTheProgramMenu()
    {
        auto *program = get<QMenu>(QStringLiteral("mnprog"));
        box(QStringLiteral("Text3"))->setFocus();
        QTest::keyClick(box(QStringLiteral("Text3")), Qt::Key_F10);
        QTRY_VERIFY(program->isVisible());
        QCOMPARE(m_form->menuBar()->activeAction(), program->menuAction());
        QCOMPARE(box(QStringLiteral("Text3"))->text(), QStringLiteral("0"));   // typed nothing
        QTest::keyClick(program, Qt::Key_Escape);
        QTRY_VERIFY(!program->isVisible());
        QVERIFY(m_messages->messages().isEmpty());
    }

    void altTapHighlightsProgramVisibly()
    {
        QMenuBar *bar = m_form->menuBar();
        auto *program = get<QMenu>(QStringLiteral("mnprog"));
        const QRect title = bar->actionGeometry(program->menuAction());
        const QImage before = bar->grab(title).toImage();

        box(QStringLiteral("Text1"))->setFocus();
        QTest::keyPress(box(QStringLiteral("Text1")), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(box(QStringLiteral("Text1")), Qt::Key_Alt, Qt::NoModifier);
        QTRY_VERIFY(bar->hasFocus());
        QCOMPARE(bar->activeAction(), program->menuAction());
        QVERIFY(!program->isVisible());
        // The title is drawn otherwise than before: highlighted.
        const QImage highlighted = bar->grab(title).toImage();
        QVERIFY(highlighted != before);

        // Down opens it; Escape twice leaves the bar, which looks as before.
        QTest::keyClick(bar, Qt::Key_Down);
        QTRY_VERIFY(program->isVisible());
        QTest::keyClick(program, Qt::Key_Escape);
        QTRY_VERIFY(!program->isVisible());
        if (bar->hasFocus())
            QTest::keyClick(bar, Qt::Key_Escape);
        QTRY_VERIFY(!bar->hasFocus());
        QCOMPARE(bar->grab(title).toImage(), before);
        QVERIFY(m_messages->messages().isEmpty());
    }
};

QUORVEL_TEST_MAIN(Form1KeysTest)
#include "tst_form1keys.moc"
