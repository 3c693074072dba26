#pragma once

#include "practice/exercise.h"
#include "ui/lab/retranslation.h"
#include "ui/practice/exercisechoices.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetprinter.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QSpinBox;
class XPButtonX;

// "Cetak Lembar Kerja": asks for a class (its code, how many variants, the policy, the number of
// processes and the level) and where the worksheets go: as two PDF files, the worksheets and the
// answer key, into a folder, or the worksheets onto the default printer. Says what it wrote or
// printed in a message and closes; on a fault it says why and stays open.
class WorksheetDialog : public QDialog {
    Q_OBJECT

public:
    explicit WorksheetDialog(QWidget *parent = nullptr);
    ~WorksheetDialog() override;

    // The folder the PDF files go into; the default is a folder dialog, tests answer themselves.
    // An empty answer cancels.
    using FolderQuestion = std::function<QString(QWidget *parent, const QString &suggested)>;
    void setFolderQuestion(FolderQuestion question);

    // Starts from the practice window's choices (none: "Acak").
    void setChoices(std::optional<lab::Policy> policy, int processes, practice::Level level);

    // The class as the controls stand.
    worksheet::ClassRequest classRequest() const;

    enum class Destination { Pdf, Printer };
    Destination destination() const;

    // What the last successful OK made: the files, or the print job.
    const worksheet::ClassFiles &writtenFiles() const { return m_files; }
    const worksheet::PrintJob &printJob() const { return m_job; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void layOutControls();
    // The caption and the tool tip are source texts (QT_TR_NOOP), shown in the current language.
    XPButtonX *createButton(const char *caption, const QString &objectName, const char *toolTip);
    void make();
    bool makePdf(const worksheet::ClassRequest &request, const std::vector<practice::Exercise> &exercises);
    bool makePrint(const worksheet::ClassRequest &request, const std::vector<practice::Exercise> &exercises);
    void showMessage(const QString &text, bool problem);

    labui::Retranslation m_texts;
    QLineEdit *m_class = nullptr;
    QSpinBox *m_variants = nullptr;
    practiceui::PolicyChoice *m_policy = nullptr;
    QSpinBox *m_processes = nullptr;
    practiceui::LevelChoice *m_level = nullptr;
    QComboBox *m_destination = nullptr;
    XPButtonX *m_ok = nullptr;
    XPButtonX *m_cancel = nullptr;
    FolderQuestion m_folderQuestion;
    QString m_lastFolder;
    worksheet::ClassFiles m_files;
    worksheet::PrintJob m_job;
};
