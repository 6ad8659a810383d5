#pragma once

#include "ui/lists/PickerScreen.h"

#include <optional>

// A picker window on its form: Form (a PickerForm) hands back a Form::Choice for a chosen row
// (Form::choiceAt), which the window keeps as chosen() after it closed. Screen is the picker's
// own class, which choose() shows modally.
template <class Screen, class Form>
class Picker : public PickerScreen
{
public:
    using Choice = typename Form::Choice;

    explicit Picker(AppContext &ctx, QWidget *parent = nullptr) : PickerScreen(ctx, std::make_unique<Form>(ctx), parent) {}

    // The choice after the window closed (nullopt: none).
    const std::optional<Choice> &chosen() const { return m_chosen; }
    Form &form() { return static_cast<Form &>(pickerForm()); }

    // Shows the picker modally: its choice, or nullopt when it was closed without one.
    static std::optional<Choice> choose(AppContext &ctx, QWidget *parent = nullptr)
    {
        Screen picker(ctx, parent);
        picker.exec();
        return picker.chosen();
    }

protected:
    void take(int row) override { m_chosen = form().choiceAt(row); }

private:
    std::optional<Choice> m_chosen;
};
