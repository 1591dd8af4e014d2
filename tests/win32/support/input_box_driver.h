#pragma once
// Answers the one-line input box from inside its modal loop: Arm() before
// the call that shows it; the box then gets `typed` in its edit and `key`
// (Enter or Esc) posted the way a keyboard would, and what the box showed
// is recorded.
#include "Edit.h"
#include "Form.h"
#include "Label.h"
#include "Screen.h"

#include <string>

namespace yq::testing {

struct InputScript {
    std::wstring typed;
    WPARAM key = VK_RETURN;
    std::wstring seenCaption, seenPrompt, seenText;

    void Arm() {
        Current() = this;
        SetTimer(nullptr, 0, 1, Drive);
    }

private:
    static InputScript*& Current() {
        static InputScript* script = nullptr;
        return script;
    }

    static void CALLBACK Drive(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        InputScript* script = Current();
        Current() = nullptr;
        TForm* box = Screen().Forms(Screen().FormCount() - 1);
        script->seenCaption = box->Caption();
        for (int i = 0; i < box->ControlCount(); ++i) {
            if (auto* label = dynamic_cast<TLabel*>(box->Controls(i))) script->seenPrompt = label->Caption();
            auto* edit = dynamic_cast<TEdit*>(box->Controls(i));
            if (!edit) continue;
            script->seenText = edit->Text();
            SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
            for (wchar_t c : script->typed)
                SendMessageW(edit->Handle(), WM_CHAR, c, 0);
            PostMessageW(edit->Handle(), WM_KEYDOWN, script->key, 0);
        }
    }
};

} // namespace yq::testing
