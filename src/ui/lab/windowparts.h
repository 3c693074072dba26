#pragma once

#include "ui/lab/retranslation.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <string>

class QAbstractItemModel;
class QLabel;
class QWidget;
class XPButtonX;

// What the laboratory's windows and dialogs (the laboratory, Latihan, the worksheet dialog) are
// built from: the program's look, and drawn buttons and labels whose texts follow the language.
namespace labui {

// The smallest size of a drawn button, and the room around its caption.
inline constexpr int kButtonMinimumWidth = 75;
inline constexpr int kButtonMinimumHeight = 25;
inline constexpr int kButtonPadding = 24;

// The caption without its mnemonic marker, as a screen reader names the button ("&&" is "&").
QString plainCaption(QString caption);

// The program's icon and the window's background colour.
void applyWindowLook(QWidget &window, const QColor &backColor);

// A drawn button of `window`, as wide as its caption in the language on show. Caption and tool
// tip are source texts (QT_TR_NOOP) of the window's own class, translated as its tr() would.
XPButtonX *translatedButton(QWidget &window, Retranslation &texts, const char *caption,
                            const QString &objectName, const char *toolTip);

// A label of `window` showing a source text of the window's class in the language on show.
QLabel *translatedLabel(QWidget &window, Retranslation &texts, const char *text, QWidget *buddy = nullptr);

// The decimal separator of the locale, as the laboratory's result texts use it.
std::string decimalSeparator();

// Where files are offered first: the user's documents folder, else the home folder.
QString documentsFolder();

// Tells a model's views that every header and item text may read differently now (the language
// changed): they fetch them again.
void retranslateModel(QAbstractItemModel &model);

// The windows' random choices: the number offered beside "Acak" and each new exercise of
// Latihan. Every start of the program draws others; after repeatRandomChoices(start) they come
// in the sequence that start value fixes, which is how a test repeats a run.
std::uint64_t randomChoice();
void repeatRandomChoices(std::uint64_t start);

} // namespace labui
