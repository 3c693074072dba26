#pragma once

#include <QColor>
#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>

class QLabel;
class QPushButton;
class XPButtonX;

namespace platform {
class ProgramLauncher;
class Registry;
} // namespace platform

// The About box: the program's title, version and authors, and a button that starts the
// system's information tool. It is modeless and has no owner, so the main window stays usable
// while it is open; there is at most one, and it is destroyed when closed.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // Creates the controls and loads the window (Form_Load) in backColor, the colour of the
    // window that opens it; without one the box keeps its own.
    explicit frmAbout(const QColor &backColor = QColor(), QWidget *parent = nullptr);
    ~frmAbout() override;

    // Shows the one About box, creating and loading it first when there is none; an open one is
    // only brought to the front.
    static frmAbout *showInstance(const QColor &backColor = QColor());
    // The About box showInstance manages, nullptr when none is open.
    static frmAbout *instance();

    // "Version " followed by major.minor.revision in plain decimal digits.
    static QString versionText(int major, int minor, int revision);

    // Where the system-information tool is looked up and how it is started. The defaults are
    // the system's own; tests put doubles in their place.
    void setRegistry(std::shared_ptr<platform::Registry> registry);
    void setProgramLauncher(std::shared_ptr<platform::ProgramLauncher> launcher);

    // --- handlers -----------------------------------------------------------------------
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void XPButtonX1_Click();
    void XPButtonX2_Click();

    // Finds and starts the system-information tool, or tells the user it is unavailable.
    void StartSysInfo();

    // Reads the value SubKeyRef of the key KeyName below KeyRoot into KeyVal: a string as
    // text, a 32-bit number as its decimal text; a value of any other type leaves KeyVal as it
    // was. False, with KeyVal empty, when the key or the value cannot be read (a value longer
    // than 1024 bytes counts as missing). A value of zero bytes cannot be read as text and
    // raises engine::RuntimeError, which StartSysInfo turns into its unavailable message.
    bool GetKeyValue(const std::uint32_t &KeyRoot, const QString &KeyName,
                     const QString &SubKeyRef, QString &KeyVal);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // A change of language sets the window's texts again.
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void createWindow();
    void createLabels();
    void createSeparator();
    void createStandardButtons();
    void createDrawnButtons();
    void centreOnScreen();
    void showUnavailable();

    QColor m_backColor;
    std::shared_ptr<platform::Registry> m_registry;
    std::shared_ptr<platform::ProgramLauncher> m_launcher;

    QLabel *m_picIcon = nullptr;
    QHash<QString, QLabel *> m_labels;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdSysInfo = nullptr;
    QHash<QString, XPButtonX *> m_drawnButtons;

    static QPointer<frmAbout> s_instance;
};
