#include "common/testsupport.h"
#include "ui/button/ambientproperties.h"
#include "ui/button/buttonform.h"
#include "ui/button/propertybag.h"
#include "ui/button/xpbuttonx.h"

#include <QFile>
#include <QFrame>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

AmbientProperties ambientFor(const QString &name)
{
    AmbientProperties ambient;
    ambient.font = QFont(QStringLiteral("DejaVu Sans"));
    ambient.font.setPointSizeF(8.25);
    ambient.foreColor = 0x80000012;
    ambient.displayName = name;
    return ambient;
}

// What the button looked like and was at the moment it announced a property change.
struct Notice {
    QString name;
    QImage image;
    bool widgetEnabled;
    QChar accessKey;
};

} // namespace

class TestButtonProperties : public QObject {
    Q_OBJECT

    // Records the state at each propertyChanged, for the order-of-effects tests.
    QList<Notice> m_notices;

    void record(XPButtonX &button)
    {
        m_notices.clear();
        connect(&button, &XPButtonX::propertyChanged, this, [this, &button](const QString &name) {
            m_notices.append({name, button.image().copy(), button.isEnabled(), button.accessKey()});
        });
    }

    static XPButtonX *makeButton(QWidget *parent = nullptr)
    {
        auto *button = new XPButtonX(parent);
        button->InitProperties(ambientFor(QStringLiteral("XPButton1")));
        button->resize(89, 25);
        button->PaintButton(0);
        return button;
    }

private slots:
    void init() { m_notices.clear(); }

    // Enabled: notify first, then the window's input state, then the repaint.
    void enabledSetterOrder()
    {
        std::unique_ptr<XPButtonX> button(makeButton());
        const QImage before = button->image().copy();
        record(*button);
        button->setEnabledProperty(0);
        QCOMPARE(m_notices.size(), 1);
        QCOMPARE(m_notices[0].name, QStringLiteral("Enabled"));
        QVERIFY(m_notices[0].widgetEnabled);          // not yet disabled when notified
        QCOMPARE(m_notices[0].image, before);         // nor repainted
        QCOMPARE(button->Enabled(), std::int16_t(0));
        QVERIFY(!button->isEnabled());
        QVERIFY(button->image() != before);
        QCOMPARE(QColor(button->image().pixel(10, 10)), QColor(245, 244, 234));

        // Any non-zero value enables the window; the stored value is kept as given.
        button->setEnabledProperty(1);
        QVERIFY(button->isEnabled());
        QCOMPARE(button->Enabled(), std::int16_t(1));
        button->setEnabledProperty(-1);
        QCOMPARE(QColor(button->image().pixel(10, 10)), QColor(248, 248, 246)); // gradient row 10
    }

    // Font, Caption, ForeColor: repaint before notifying; ForeHover: no repaint at all.
    void repaintingSetters()
    {
        std::unique_ptr<XPButtonX> button(makeButton());
        record(*button);

        QImage before = button->image().copy();
        QFont big(QStringLiteral("DejaVu Sans"));
        big.setPixelSize(16);
        button->setFontProperty(big);
        QCOMPARE(button->Font().pixelSize(), 16);
        QCOMPARE(m_notices.size(), 1);
        QCOMPARE(m_notices.last().name, QStringLiteral("Font"));
        QVERIFY(m_notices.last().image != before);
        QCOMPARE(m_notices.last().image, button->image());

        before = button->image().copy();
        button->setCaption(QStringLiteral("&Proses"));
        QCOMPARE(button->Caption(), QStringLiteral("&Proses"));
        QCOMPARE(m_notices.size(), 2);
        QCOMPARE(m_notices.last().name, QStringLiteral("Caption"));
        QVERIFY(m_notices.last().image != before);
        QCOMPARE(m_notices.last().accessKey, QChar(u'p')); // derived before the notice

        before = button->image().copy();
        button->setForeColor(0x000000ff);
        QCOMPARE(button->ForeColor(), 0x000000ffu);
        QCOMPARE(m_notices.size(), 3);
        QCOMPARE(m_notices.last().name, QStringLiteral("ForeColor"));
        QVERIFY(m_notices.last().image != before);

        before = button->image().copy();
        button->setForeHover(0x0000ff00);
        QCOMPARE(button->ForeHover(), 0x0000ff00u);
        QCOMPARE(m_notices.size(), 4);
        QCOMPARE(m_notices.last().name, QStringLiteral("ForeHover"));
        QCOMPARE(button->image(), before);
    }

    void newInstanceCaption_data()
    {
        QTest::addColumn<QString>("displayName");
        QTest::addColumn<QString>("caption");
        QTest::newRow("XPButton1") << QStringLiteral("XPButton1") << QStringLiteral("Command1");
        QTest::newRow("XPButton12") << QStringLiteral("XPButton12") << QStringLiteral("Command12");
        QTest::newRow("CMBPrint") << QStringLiteral("CMBPrint") << QStringLiteral("Command");
        QTest::newRow("short") << QStringLiteral("Btn") << QStringLiteral("Command");
        QTest::newRow("empty") << QString() << QStringLiteral("Command");
        QTest::newRow("CMBSimpan") << QStringLiteral("CMBSimpan") << QStringLiteral("Commandn");
    }

    void newInstanceCaption()
    {
        QFETCH(QString, displayName);
        QFETCH(QString, caption);
        XPButtonX button;
        const AmbientProperties ambient = ambientFor(displayName);
        button.InitProperties(ambient);
        QCOMPARE(button.Caption(), caption);
        QCOMPARE(button.Enabled(), std::int16_t(-1));
        QCOMPARE(button.Font(), ambient.font);
        QCOMPARE(button.ForeHover(), 0u);
        QVERIFY(button.accessKey().isNull());
        QVERIFY(button.image().isNull()); // nothing painted yet
    }

    void loadingDefaults()
    {
        const AmbientProperties ambient = ambientFor(QStringLiteral("XPButton3"));
        XPButtonX button;
        button.ReadProperties(PropertyBag(), ambient);
        QCOMPARE(button.Enabled(), std::int16_t(-1));
        QVERIFY(button.isEnabled());
        QCOMPARE(button.Font(), ambient.font);
        QCOMPARE(button.Caption(), QStringLiteral("XPButton3"));
        QCOMPARE(button.ForeColor(), 0x80000012u);
        QCOMPARE(button.ForeHover(), 0x80000012u);
        QVERIFY(button.image().isNull()); // loading does not paint
    }

    void loadingStoredValues()
    {
        const AmbientProperties ambient = ambientFor(QStringLiteral("CMBPrint"));
        QFont stored(QStringLiteral("DejaVu Serif"));
        stored.setPointSizeF(9);
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("caption"), QStringLiteral("&Cetak"));
        bag.WriteProperty(QStringLiteral("FORECOLOR"), 16744576);
        bag.WriteProperty(QStringLiteral("font"), stored);
        bag.WriteProperty(QStringLiteral("enabled"), 0);

        XPButtonX button;
        button.ReadProperties(bag, ambient);
        QCOMPARE(button.Caption(), QStringLiteral("&Cetak"));
        QCOMPARE(button.ForeColor(), 16744576u);
        QCOMPARE(button.ForeHover(), 16744576u); // missing: the loaded fore colour
        QCOMPARE(button.Font(), stored);
        QCOMPARE(button.Enabled(), std::int16_t(0));
        QVERIFY(!button.isEnabled());
        QCOMPARE(button.accessKey(), QChar(u'c'));

        // Saving it again: ForeHover differs from the ambient fore colour, so it is written.
        PropertyBag saved;
        button.WriteProperties(saved, ambient);
        QCOMPARE(saved.ReadProperty(QStringLiteral("forehover")).toLongLong(), 16744576LL);
        QCOMPARE(saved.ReadProperty(QStringLiteral("enabled")).toInt(), 0);
        QCOMPARE(saved.ReadProperty(QStringLiteral("Font")).value<QFont>(), stored);

        // A stored hover colour wins over the fore colour; top-bit colours survive as unsigned.
        bag.WriteProperty(QStringLiteral("forehover"), 255);
        bag.WriteProperty(QStringLiteral("forecolor"), qlonglong(0x80000012u));
        XPButtonX second;
        second.ReadProperties(bag, ambient);
        QCOMPARE(second.ForeHover(), 255u);
        QCOMPARE(second.ForeColor(), 0x80000012u);
    }

    void saving()
    {
        const AmbientProperties ambient = ambientFor(QStringLiteral("XPButton2"));
        XPButtonX button;
        button.ReadProperties(PropertyBag(), ambient); // caption = name, enabled, ambient font
        PropertyBag bag;
        button.WriteProperties(bag, ambient);
        // Only ForeColor is written: the rest equals its default.
        QCOMPARE(bag.names(), QStringList{QStringLiteral("ForeColor")});
        QCOMPARE(bag.ReadProperty(QStringLiteral("forecolor")).toLongLong(), 0x80000012LL);

        button.setCaption(QStringLiteral("&Reset"));
        button.setForeHover(255);
        QFont other = ambient.font;
        other.setBold(true);
        button.setFontProperty(other);
        button.setEnabledProperty(0);
        PropertyBag full;
        button.WriteProperties(full, ambient);
        QCOMPARE(full.names(), (QStringList{QStringLiteral("Enabled"), QStringLiteral("Font"),
                                            QStringLiteral("Caption"), QStringLiteral("ForeColor"),
                                            QStringLiteral("ForeHover")}));

        // What was saved loads back to the same button.
        XPButtonX copy;
        copy.ReadProperties(full, ambient);
        QCOMPARE(copy.Caption(), button.Caption());
        QCOMPARE(copy.Font(), button.Font());
        QCOMPARE(copy.Enabled(), button.Enabled());
        QCOMPARE(copy.ForeColor(), button.ForeColor());
        QCOMPARE(copy.ForeHover(), button.ForeHover());
    }

    void propertyBagRules()
    {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("A"));
        QCOMPARE(bag.ReadProperty(QStringLiteral("CAPTION")).toString(), QStringLiteral("A"));
        QCOMPARE(bag.ReadProperty(QStringLiteral("caption")).toString(), QStringLiteral("A"));
        bag.WriteProperty(QStringLiteral("caption"), QStringLiteral("B"));
        QCOMPARE(bag.count(), 1);
        QCOMPARE(bag.ReadProperty(QStringLiteral("Caption")).toString(), QStringLiteral("B"));
        // Equal to its default: not stored, and an older value is dropped.
        bag.WriteProperty(QStringLiteral("CAPTION"), QStringLiteral("X"), QStringLiteral("X"));
        QVERIFY(!bag.contains(QStringLiteral("caption")));
        QCOMPARE(bag.ReadProperty(QStringLiteral("Caption"), QStringLiteral("X")).toString(),
                 QStringLiteral("X"));
        // Numbers compare by value whatever their type.
        bag.WriteProperty(QStringLiteral("Enabled"), std::int16_t(-1), true);
        bag.WriteProperty(QStringLiteral("ForeHover"), 255u, qlonglong(255));
        QVERIFY(bag.isEmpty());
        bag.WriteProperty(QStringLiteral("ForeHover"), 255u, 254);
        QVERIFY(bag.contains(QStringLiteral("forehover")));
        QVERIFY(!PropertyBag::sameValue(QStringLiteral("1"), 1.5));
    }

    // The form loader: containers, geometry in twips, quoted texts, hex colours, font blocks.
    void formLoader()
    {
        const QString text = QStringLiteral(
            "' stored buttons of a window\n"
            "Begin XPButtonX XPButton1\n"
            "   Container       =   \"Frame4\"\n"
            "   Left            =   240\n"
            "   Top             =   360\n"
            "   Width           =   1335\n"
            "   Height          =   375\n"
            "   ToolTipText     =   \"Proses \"\"CPU\"\"\"\n"
            "   TabIndex        =   3\n"
            "   _extentx        =   2355\n"
            "   _extenty        =   661\n"
            "   caption         =   \"&Proses\"\n"
            "   forecolor       =   16744576\n"
            "   forehover       =   255\n"
            "   BeginProperty font {0BE35203-8F91-11CE-9DE3-00AA004BB851}\n"
            "      name            =   \"DejaVu Serif\"\n"
            "      size            =   8.25\n"
            "      weight          =   700\n"
            "      italic          =   -1\n"
            "      underline       =   0\n"
            "      strikethrough   =   0\n"
            "   EndProperty\n"
            "End\n"
            "\r\n"
            "Begin XPButtonX CMBClose\r\n"
            "   Left            =   30\r\n"
            "   Top             =   15\r\n"
            "   Width           =   900\r\n"
            "   Height          =   300\r\n"
            "   somethingelse   =   12   ' a comment\r\n"
            "   forecolor       =   &H80000012&\r\n"
            "   caption         =   \"Tutup && Keluar\"\r\n"
            "End\r\n");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("buttons.frm"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text.toUtf8());
        }

        QWidget window;
        window.setObjectName(QStringLiteral("Form9"));
        auto *frame = new QFrame(&window);
        frame->setObjectName(QStringLiteral("Frame4"));
        frame->setGeometry(0, 0, 300, 200);

        const QHash<QString, XPButtonX *> buttons = loadFormButtons(&window, path);
        QCOMPARE(buttons.size(), 2);

        XPButtonX *proses = buttons.value(QStringLiteral("XPButton1"));
        QVERIFY(proses);
        QCOMPARE(proses->objectName(), QStringLiteral("XPButton1"));
        QCOMPARE(proses->parentWidget(), frame);
        QCOMPARE(proses->geometry(), QRect(16, 24, 89, 25));
        QCOMPARE(proses->toolTip(), QStringLiteral("Proses \"CPU\""));
        QCOMPARE(proses->Caption(), QStringLiteral("&Proses"));
        QCOMPARE(proses->ForeColor(), 16744576u);
        QCOMPARE(proses->ForeHover(), 255u);
        QCOMPARE(proses->Font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(proses->Font().pointSizeF(), 8.25);
        QCOMPARE(proses->Font().weight(), QFont::Bold);
        QVERIFY(proses->Font().italic());
        QCOMPARE(proses->accessKey(), QChar(u'p'));

        XPButtonX *close = buttons.value(QStringLiteral("CMBClose"));
        QVERIFY(close);
        QCOMPARE(close->parentWidget(), &window);
        QCOMPARE(close->geometry(), QRect(2, 1, 60, 20));
        QCOMPARE(close->Caption(), QStringLiteral("Tutup && Keluar"));
        QCOMPARE(close->ForeColor(), 0x80000012u);
        QCOMPARE(close->ForeHover(), 0x80000012u);
        QCOMPARE(close->Font(), window.font()); // the container's font when none is stored
        QVERIFY(close->accessKey().isNull());

        // The first paint comes with showing.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(proses->image().size(), QSize(89, 25));

        // A resource that cannot be read gives no buttons.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot be read")));
        QVERIFY(loadFormButtons(&window, dir.filePath(QStringLiteral("missing.frm"))).isEmpty());
    }

    // Blocks of other controls, nested blocks and a button without a Container key.
    void formParserRobustness()
    {
        const QString text = QStringLiteral(
            "Begin VB.Form Form2\n"
            "   Caption = \"Print\"\n"
            "   Begin VB.Frame Frame1\n"
            "      Caption = \"x\"\n"
            "      Begin Quorvel.XPButtonX CMBPrint\n"
            "         Left = 150\n"
            "         caption = \"&Print Now\"\n"
            "         Begin VB.Label Inner\n"
            "            caption = \"not mine\"\n"
            "         End\n"
            "      End\n"
            "   End\n"
            "   Begin VB.CommandButton Command1\n"
            "      Caption = \"hidden\"\n"
            "   End\n"
            "   Begin XPButtonX\n"  // no name: passed over
            "   End\n"
            "End\n");
        const QList<StoredButton> parsed = parseFormButtons(text);
        QCOMPARE(parsed.size(), 1);
        QCOMPARE(parsed[0].name, QStringLiteral("CMBPrint"));
        QCOMPARE(parsed[0].enclosingBlock, QStringLiteral("Frame1"));
        QCOMPARE(parsed[0].placementValue(QStringLiteral("left")).toInt(), 150);
        QCOMPARE(parsed[0].properties.ReadProperty(QStringLiteral("Caption")).toString(),
                 QStringLiteral("&Print Now"));
        QCOMPARE(parsed[0].properties.count(), 1);
    }
};

QUORVEL_TEST_MAIN(TestButtonProperties)
#include "tst_buttonproperties.moc"
