#include "Inspect.h"

#include "Form.h"
#include "Text.h"

namespace yq {

namespace {

// A tool that asks and then stops answering must not freeze the program.
constexpr UINT kReplyTimeoutMs = 5000;

void AppendEscaped(std::string& out, const std::string& text) {
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
}

void AppendControl(std::string& out, const TControl& control) {
    out += control.ClassName();
    out += '\t';
    out += control.Name();
    out += '\t';
    out += control.Visible() ? '1' : '0';
    out += '\t';
    AppendEscaped(out, Narrow(control.InspectText()));
    out += '\n';
    if (auto* parent = dynamic_cast<const TWinControl*>(&control))
        for (int i = 0; i < parent->ControlCount(); ++i)
            AppendControl(out, *parent->Controls(i));
}

} // namespace

std::string InspectLines(const TControl& root) {
    std::string out;
    AppendControl(out, root);
    return out;
}

bool AnswerInspect(TForm& form, HWND asker) {
    if (!IsWindow(asker)) return false;
    std::string lines = InspectLines(form);
    COPYDATASTRUCT data{kInspectReply, DWORD(lines.size()), lines.data()};
    DWORD_PTR taken = 0;
    return SendMessageTimeoutW(asker, WM_COPYDATA, WPARAM(form.Handle()), LPARAM(&data), SMTO_ABORTIFHUNG,
                               kReplyTimeoutMs, &taken) != 0 &&
           taken != 0;
}

} // namespace yq
