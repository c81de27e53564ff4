#include "FieldEditor.h"

#include "AnsiText.h"
#include "InternalError.h"
#include "MessageBox.h"
#include "MsgTemplate.h"
#include "R7200.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>

namespace {

bool IsText(TField field) {
    return FieldRule(field).Form == TFieldForm::Text;
}

// The widget a refusal points at; a group is represented by its first button.
QWidget* Widget(QObject* control) {
    if (auto group = qobject_cast<QButtonGroup*>(control))
        return group->buttons().isEmpty() ? nullptr : group->buttons().constFirst();
    return qobject_cast<QWidget*>(control);
}

} // namespace

TFieldEditor::TFieldEditor(QWidget* owner, std::function<void()> bringUp)
    : Owner(owner), BringUp(std::move(bringUp)) {}

void TFieldEditor::Bind(QLineEdit* edit, TField field, int index) {
    Bindings.push_back({edit, field, index, {}, 0});
}

void TFieldEditor::Bind(QPlainTextEdit* memo, TField field) {
    Bindings.push_back({memo, field, 0, {}, 0});
}

void TFieldEditor::Bind(QComboBox* list, TField field) {
    Bindings.push_back({list, field, 0, {}, 0});
}

void TFieldEditor::Bind(QCheckBox* box, TField field) {
    Bindings.push_back({box, field, 0, {}, 0});
}

void TFieldEditor::Bind(QButtonGroup* group, TField field) {
    Bindings.push_back({group, field, 0, {}, 0});
}

void TFieldEditor::BindNamed(QWidget* form) {
    for (QWidget* control : form->findChildren<QWidget*>()) {
        const QString name = control->property("field").toString();
        if (name.isEmpty()) continue;
        const TProgramField* field = FindProgramField(name);
        const bool bindable =
            qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control) ||
            qobject_cast<QComboBox*>(control) || qobject_cast<QCheckBox*>(control);
        if (!field || !bindable) throw TInternalError::OnFile("FieldEditor", 2);
        Bindings.push_back({control, field->Rule->Id, field->Index, {}, 0});
    }
}

std::vector<TStoreStep> TFieldEditor::StoreOrder() const {
    std::vector<const TBinding*> order;
    for (const TBinding& b : Bindings)
        order.push_back(&b);
    const auto place = [](const TBinding* b) {
        return std::pair(&FieldRule(b->Field) - FieldRules().data(), b->Index);
    };
    std::stable_sort(order.begin(), order.end(), [&place](const TBinding* a, const TBinding* b) {
        return place(a) < place(b);
    });
    std::vector<TStoreStep> steps;
    for (const TBinding* b : order)
        steps.push_back({b->Control});
    return steps;
}

TFieldEditor::TBinding& TFieldEditor::Find(QObject* control) {
    for (TBinding& b : Bindings)
        if (b.Control == control) return b;
    throw TInternalError::OnFile("FieldEditor", 1);
}

void TFieldEditor::Fill(std::initializer_list<QObject*> controls, const TR7200& record) {
    for (QObject* control : controls)
        Fill(control, record);
}

void TFieldEditor::FillAll(const TR7200& record) {
    for (const TBinding& b : Bindings)
        Fill(b.Control, record);
}

void TFieldEditor::Fill(QObject* control, const TR7200& record) {
    TBinding& b = Find(control);
    if (auto memo = qobject_cast<QPlainTextEdit*>(control)) {
        QString text = FieldString(b.Field, record);
        b.CleanText = text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        memo->setPlainText(b.CleanText);
        return;
    }
    if (auto edit = qobject_cast<QLineEdit*>(control)) {
        const bool text = IsText(b.Field);
        b.CleanText = text ? FieldString(b.Field, record) : FieldText(b.Field, record, b.Index);
        b.CleanValue = text ? 0 : FieldValue(b.Field, record, b.Index);
        edit->setText(b.CleanText);
        return;
    }
    const int value = int(FieldValue(b.Field, record, b.Index));
    if (auto list = qobject_cast<QComboBox*>(control)) {
        const int i = list->findData(value);
        if (i >= 0) list->setCurrentIndex(i);
    } else if (auto box = qobject_cast<QCheckBox*>(control)) {
        box->setChecked(value != 0);
    } else if (auto group = qobject_cast<QButtonGroup*>(control)) {
        if (QAbstractButton* button = group->button(value)) button->setChecked(true);
    }
}

bool TFieldEditor::Store(QObject* control, TR7200& record) {
    TBinding& b = Find(control);
    if (auto memo = qobject_cast<QPlainTextEdit*>(control))
        return StoreString(b, memo, record, memo->toPlainText());
    if (auto edit = qobject_cast<QLineEdit*>(control)) {
        const QString text = edit->text();
        if (IsText(b.Field)) return StoreString(b, edit, record, text);
        double value = b.CleanValue;
        TFieldCheck c = TFieldCheck::BadFormat;
        if (text == b.CleanText) c = CheckFieldValue(b.Field, record, value);
        // A record value the rule refuses is judged by what the edit shows, which may be
        // clamped into range or empty; the user could not otherwise enter that text again.
        if (c != TFieldCheck::Accepted) c = ReadFieldText(b.Field, text, record, value);
        if (c != TFieldCheck::Accepted) {
            Reject(edit, c);
            return false;
        }
        SetFieldValue(b.Field, record, value, b.Index);
        b.CleanText = text;
        b.CleanValue = value;
        return true;
    }
    double value = 0;
    if (auto list = qobject_cast<QComboBox*>(control)) {
        value = list->currentData().toInt();
    } else if (auto box = qobject_cast<QCheckBox*>(control)) {
        value = box->isChecked() ? 1 : 0;
    } else if (auto group = qobject_cast<QButtonGroup*>(control)) {
        if (group->checkedId() < 0) return true; // nothing chosen: the field stays
        value = group->checkedId();
    }
    return StoreValue(b, record, value);
}

// A text as it was filled stays, even with letters the code page cannot hold: they came
// from the record, and the user could not enter them again.
bool TFieldEditor::StoreString(TBinding& b, QWidget* control, TR7200& record, const QString& text) {
    TFieldCheck c = CheckFieldString(b.Field, text);
    if (c == TFieldCheck::Unstorable && text == b.CleanText) c = TFieldCheck::Accepted;
    if (c != TFieldCheck::Accepted) {
        Reject(control, c, text);
        return false;
    }
    SetFieldString(b.Field, record, text);
    b.CleanText = text;
    return true;
}

bool TFieldEditor::StoreValue(TBinding& b, TR7200& record, double value) {
    if (const TFieldCheck c = CheckFieldValue(b.Field, record, value); c != TFieldCheck::Accepted) {
        Reject(Widget(b.Control), c);
        return false;
    }
    SetFieldValue(b.Field, record, value, b.Index);
    return true;
}

bool TFieldEditor::Store(const std::vector<TStoreStep>& steps, TR7200& record) {
    for (const TStoreStep& step : steps) {
        const TBinding& b = Find(step.Control);
        const TFieldRule& rule = FieldRule(b.Field);
        if (step.When ? !step.When(record) : !FieldCounts(rule, record)) continue;
        if (step.Active && !step.Active(record)) {
            SetFieldValue(b.Field, record, step.Otherwise, b.Index);
            continue;
        }
        if (!step.Active && !FieldActive(rule, record)) {
            SetFieldValue(b.Field, record, rule.Otherwise, b.Index);
            continue;
        }
        if (!Store(step.Control, record)) return false;
        if (step.Rewrite) Fill(step.Control, record);
    }
    return true;
}

void TFieldEditor::SetHint(QWidget* edit, const TR7200& record) {
    edit->setToolTip(FieldHint(Find(edit).Field, record));
}

void TFieldEditor::SetHints(const TR7200& record) {
    for (const TBinding& b : Bindings)
        if (auto edit = qobject_cast<QLineEdit*>(b.Control)) SetHint(edit, record);
}

void TFieldEditor::Reject(QWidget* control, TFieldCheck check, const QString& text) {
    if (BringUp) BringUp();
    if (control && control->isVisible() && control->isEnabled() &&
        control->focusPolicy() != Qt::NoFocus)
        control->setFocus();
    const QString message = check == TFieldCheck::Unstorable
                                ? TAnsiText::UnstorableMessage(TAnsiText::Unstorable(text))
                            : check == TFieldCheck::BadFormat ? Msg(MsgParameterFormat)
                                                              : Msg(MsgParameterOut);
    TMessageBox::Show(message, Msg(MsgError), TMessageBox::Ok, Owner->window());
}
