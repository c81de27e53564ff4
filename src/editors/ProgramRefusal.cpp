#include "ProgramRefusal.h"

#include "MessageBox.h"
#include "MsgTemplate.h"
#include "ProgramModel.h"

bool AcceptedProgram(const TR7200& record, QWidget* parent) {
    const std::optional<TFieldRefusal> refusal = ValidateProgram(record);
    if (!refusal) return true;
    QString where = FieldCaption(*refusal->Field) + u' ' + DisplayText(*refusal->Field, record);
    if (!refusal->Hint.isEmpty()) where += QStringLiteral(" (%1)").arg(refusal->Hint);
    const TMsgId message =
        refusal->Check == TFieldCheck::BadFormat ? MsgParameterFormat : MsgParameterOut;
    TMessageBox::Show(Msg(message) + u'\n' + where, Msg(MsgError), TMessageBox::Ok, parent);
    return false;
}
