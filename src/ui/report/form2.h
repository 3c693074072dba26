#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QListWidget;
class XPButtonX;

namespace report {
class ReportSource;
} // namespace report

// The print window: lists the default printer's details and prints the report of what its
// source (the main window) shows. One instance at most, shown without an owner and without
// blocking.
class Form2 : public QWidget {
    Q_OBJECT

public:
    // Without a source the window keeps its own colour and every print fails.
    explicit Form2(const report::ReportSource *source = nullptr);
    ~Form2() override;

    // Creates, loads and shows the one instance for source, or only brings the open one forward
    // (its printer list is then left as it is). The source must outlive the window. None when
    // the window was closed while it was loading.
    static Form2 *showInstance(const report::ReportSource *source);
    // The open instance, nullptr when none is open.
    static Form2 *instance();

    // Fills the window: background from the source, then the printer details.
    void Form_Load();
    // "&Print Now": prints the report, then closes the window.
    void XPButtonX1_Click();
    // "&Cancel": closes the window without printing.
    void XPButtonX2_Click();

protected:
    // Escape closes the window, as Cancel does.
    void keyPressEvent(QKeyEvent *event) override;
    // A change of language sets the window's texts again.
    void changeEvent(QEvent *event) override;
    // A closed window is no longer the instance: Print right after a close opens a new one.
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void retranslateUi();
    // A line of the printer list: its label (a source text, translated when shown) and value.
    void addPrinterDetail(const char *label, const QString &value);
    void placeOnScreen();
    void reportLoadFailure();
    void reportPrintFailure();

    const report::ReportSource *m_source = nullptr;
    QListWidget *List1 = nullptr;
    XPButtonX *XPButtonX1 = nullptr;
    XPButtonX *XPButtonX2 = nullptr;
    struct PrinterDetail {
        const char *label;
        QString value;
    };
    QList<PrinterDetail> m_printerDetails;

    static QPointer<Form2> s_instance;
};
