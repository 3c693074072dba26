#include "ui/practice/exercisechoices.h"

#include "ui/formunits.h"
#include "worksheet/worksheet.h"

#include <QEvent>

namespace practiceui {

namespace {

constexpr int kRandomPolicy = -1;   // the item data of "Acak"

} // namespace

PolicyChoice::PolicyChoice(QWidget *parent) : QComboBox(parent)
{
    for (const lab::Policy policy : lab::kAllPolicies)
        addItem(formunits::toQString(lab::policyName(policy)), static_cast<int>(policy));
    addItem(QString(), kRandomPolicy);
    retranslate();
    setCurrentIndex(count() - 1);
}

std::optional<lab::Policy> PolicyChoice::policy() const
{
    const int data = currentData().toInt();
    return data == kRandomPolicy ? std::nullopt : std::optional<lab::Policy>(static_cast<lab::Policy>(data));
}

void PolicyChoice::setPolicy(std::optional<lab::Policy> policy)
{
    const int index = findData(policy ? static_cast<int>(*policy) : kRandomPolicy);
    if (index >= 0)
        setCurrentIndex(index);
}

void PolicyChoice::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QComboBox::changeEvent(event);
}

void PolicyChoice::retranslate()
{
    //: The policy choice with which every new exercise draws its own policy.
    setItemText(findData(kRandomPolicy), tr("Acak"));
}

LevelChoice::LevelChoice(QWidget *parent) : QComboBox(parent)
{
    for (const practice::Level level :
         {practice::Level::Basic, practice::Level::Intermediate, practice::Level::Advanced})
        addItem(QString(), static_cast<int>(level));
    retranslate();
}

practice::Level LevelChoice::level() const
{
    return static_cast<practice::Level>(currentData().toInt());
}

void LevelChoice::setLevel(practice::Level level)
{
    const int index = findData(static_cast<int>(level));
    if (index >= 0)
        setCurrentIndex(index);
}

void LevelChoice::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QComboBox::changeEvent(event);
}

void LevelChoice::retranslate()
{
    for (int i = 0; i < count(); ++i)
        setItemText(i, worksheet::levelName(static_cast<practice::Level>(itemData(i).toInt())));
}

} // namespace practiceui
