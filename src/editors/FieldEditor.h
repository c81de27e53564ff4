#pragma once

#include "ProgramModel.h"

#include <QString>
#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QObject;
class QPlainTextEdit;
class QWidget;
class TR7200;

// One step of a store: the bound control's field is stored when `When` holds for the record
// as stored so far; when `Active` says no, the field takes `Otherwise` instead of the text.
// Without them, the field's own mode and activity in the program model decide.
struct TStoreStep {
    using TCondition = std::function<bool(const TR7200&)>;
    QObject* Control;
    TCondition When = {};
    TCondition Active = {};
    double Otherwise = 0;
    bool Rewrite = false; // show the stored value in the edit's own form afterwards
};

// Ties a window's controls to record fields: fills them, reads them back through the
// field rules and reports the first entry it refuses. A text left as it was filled stores
// the record's exact value, so what the user did not touch is never rounded.
class TFieldEditor {
public:
    // Rejections are shown over `owner`'s window after `bringUp` has shown its controls.
    explicit TFieldEditor(QWidget* owner, std::function<void()> bringUp = {});

    void Bind(QLineEdit* edit, TField field, int index = 0);
    void Bind(QPlainTextEdit* memo, TField field);
    // Each item carries its value as item data.
    void Bind(QComboBox* list, TField field);
    void Bind(QCheckBox* box, TField field);
    // Each button's id is its value.
    void Bind(QButtonGroup* group, TField field);
    // Binds each edit, memo, list and box under `form` whose property "field" names a field
    // of the program model, so that a new field of the form needs no more than its control.
    void BindNamed(QWidget* form);
    // Every bound control as a step of its own, in the program model's store order.
    std::vector<TStoreStep> StoreOrder() const;

    // The control shows the record's value. A list or group without that value keeps its
    // selection.
    void Fill(QObject* control, const TR7200& record);
    void Fill(std::initializer_list<QObject*> controls, const TR7200& record);
    void FillAll(const TR7200& record);
    // Reads the control into the record; false after the refusal has been reported.
    bool Store(QObject* control, TR7200& record);
    // Runs the steps in order up to the first refusal.
    bool Store(const std::vector<TStoreStep>& steps, TR7200& record);
    // The edit's range as its tool tip.
    void SetHint(QWidget* edit, const TR7200& record);
    void SetHints(const TR7200& record);

    // The one report of a refused entry: the control gets the focus when it can take it,
    // and the box is shown either way.
    void Reject(QWidget* control, TFieldCheck check, const QString& text = {});

private:
    struct TBinding {
        QObject* Control;
        TField Field;
        int Index;
        QString CleanText; // the text as filled or last stored
        double CleanValue;
    };
    TBinding& Find(QObject* control);
    bool StoreValue(TBinding& b, TR7200& record, double value);
    bool StoreString(TBinding& b, QWidget* control, TR7200& record, const QString& text);

    QWidget* Owner;
    std::function<void()> BringUp;
    std::vector<TBinding> Bindings;
};
