#pragma once

#include "lab/settings.h"
#include "practice/exercise.h"

#include <QComboBox>

#include <optional>

namespace practiceui {

// The policy of new exercises: the seven policies by name, then "Acak", with which every
// exercise draws its own policy. "Acak" is chosen at first.
class PolicyChoice : public QComboBox {
    Q_OBJECT

public:
    explicit PolicyChoice(QWidget *parent = nullptr);

    std::optional<lab::Policy> policy() const;   // none: "Acak"
    void setPolicy(std::optional<lab::Policy> policy);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
};

// The level of new exercises, by its name in the language on show.
class LevelChoice : public QComboBox {
    Q_OBJECT

public:
    explicit LevelChoice(QWidget *parent = nullptr);

    practice::Level level() const;
    void setLevel(practice::Level level);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
};

} // namespace practiceui
