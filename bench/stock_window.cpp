// The honest floor for Quorvel's start-up: the same main window, built from the same layout table
// with the same application set-up (96 dpi, the look-alike fonts), title, icon, menu and colours,
// but with a stock QPushButton wherever Quorvel has a drawn button. bench/startup.sh compares
// Quorvel with it, so the ratio shows what the drawn buttons and the window's own logic cost.

#include "startup_probe.h"

#include "ui/button/buttonform.h"
#include "ui/formunits.h"
#include "ui/main/application.h"
#include "ui/main/form1controls.h"
#include "ui/main/form1layout.h"

#include <QFile>
#include <QFont>
#include <QIcon>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// One stock push button where the stored drawn button lies, with its caption, tool tip and font.
void placeStockButton(const StoredButton &stored, const QHash<QString, QWidget *> &controls,
                      QWidget *window)
{
    const QString containerName = stored.placementValue(QStringLiteral("Container")).toString();
    QWidget *container = controls.value(containerName, window);
    auto *button = new QPushButton(stored.properties.ReadProperty(QStringLiteral("caption")).toString(),
                                   container);
    button->setObjectName(stored.name);
    button->setGeometry(formunits::toPixels(stored.placementValue(QStringLiteral("Left")).toDouble()),
                        formunits::toPixels(stored.placementValue(QStringLiteral("Top")).toDouble()),
                        formunits::toPixels(stored.placementValue(QStringLiteral("Width")).toDouble()),
                        formunits::toPixels(stored.placementValue(QStringLiteral("Height")).toDouble()));
    button->setToolTip(stored.placementValue(QStringLiteral("ToolTipText")).toString());
    const QVariant font = stored.properties.ReadProperty(QStringLiteral("font"));
    if (font.canConvert<QFont>())
        button->setFont(font.value<QFont>());
    button->raise();
}

} // namespace

int main(int argc, char **argv)
{
    QuorvelApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(formunits::toQString(form1layout::kDesignTitle));
    window.setWindowIcon(QIcon(QStringLiteral(":/icons/quorvel.png")));

    QHash<QString, QWidget *> controls;
    window.setCentralWidget(form1controls::createClient(&window, controls));
    form1controls::createPushButtons(controls);

    QFile form(QStringLiteral(":/forms/form1.frm"));
    if (form.open(QIODevice::ReadOnly)) {
        for (const StoredButton &stored : parseFormButtons(QString::fromUtf8(form.readAll())))
            placeStockButton(stored, controls, &window);
    }

    window.menuBar()->addMenu(QStringLiteral("Program"))->addAction(QStringLiteral("About"));
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    StartupProbe probe(&window, StartupProbe::quitAfterPaintRequested(argc, argv));
    window.show();
    return app.exec();
}
