// A stand-in for the chat client, run under Wine: the client's window classes arranged as one
// scenario asks, so the chat room search meets a real user32 window tree.
//
// Usage: StandInClient DOCUMENTS-BEFORE-ROOM room|single-richcntl
// Writes ready.txt once the whole tree stands, received.txt with the input line's text when
// Enter arrives there, and misdelivered.txt when Enter arrives in any other rich text control.
// Quits after the first received line, or after a minute.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <windows.h>

namespace {

HINSTANCE instance = nullptr;
HWND inputLine = nullptr;
// The system edit control's procedure, to which the client's rich text controls defer.
WNDPROC editProcedure = nullptr;

void writeFile(const char *name, const std::string &bytes)
{
    std::ofstream(name, std::ios::binary) << bytes;
}

// Through the control's messages, as another process would read it.
std::string textOf(HWND control)
{
    std::string text(static_cast<std::size_t>(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0)) + 1,
                     '\0');
    text.resize(static_cast<std::size_t>(
        SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

LRESULT CALLBACK richTextProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_CHAR || wParam != '\r')
        return CallWindowProcA(editProcedure, control, message, wParam, lParam);
    writeFile(control == inputLine ? "received.txt" : "misdelivered.txt", textOf(control));
    if (control == inputLine)
        PostQuitMessage(0);
    return 0;
}

bool registerClasses()
{
    WNDCLASSA richText {};
    if (!GetClassInfoA(nullptr, "EDIT", &richText))
        return false;
    editProcedure = richText.lpfnWndProc;
    richText.style &= ~CS_GLOBALCLASS;
    richText.lpfnWndProc = richTextProcedure;
    richText.hInstance = instance;
    richText.lpszClassName = "RICHCNTL";
    bool registered = RegisterClassA(&richText) != 0;
    for (const char *name :
         {"AOL Frame25", "AOL Toolbar", "AOL Child", "_AOL_Listbox", "_AOL_Icon"}) {
        WNDCLASSA plain {};
        plain.lpfnWndProc = DefWindowProcA;
        plain.hInstance = instance;
        plain.lpszClassName = name;
        registered = registered && RegisterClassA(&plain) != 0;
    }
    return registered;
}

HWND addChild(HWND parent, const char *className, DWORD style = 0, void *parameter = nullptr)
{
    const DWORD textStyle = std::string_view(className) == "RICHCNTL" ? ES_MULTILINE : 0;
    const HWND child = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style | textStyle,
                                       0, 0, 200, 100, parent, nullptr, instance, parameter);
    // Each new child goes below its older siblings, so child order is creation order; were it
    // not, the rooms among the first 101 documents and the input line would be others, and the
    // scenarios would fail.
    SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return child;
}

// Documents that look a little like a room: nothing inside, rich text without the list of
// people, the list without rich text.
void addDecoy(HWND documentArea, int index)
{
    const HWND document = addChild(documentArea, "AOL Child");
    if (index % 3 == 1) {
        addChild(document, "RICHCNTL");
        addChild(document, "RICHCNTL");
    } else if (index % 3 == 2) {
        addChild(document, "_AOL_Listbox");
    }
}

} // namespace

int main(int argc, char **argv)
{
    const std::string_view roomKind = argc == 3 ? argv[2] : "";
    if (roomKind != "room" && roomKind != "single-richcntl") {
        std::fprintf(stderr, "usage: StandInClient DOCUMENTS-BEFORE-ROOM room|single-richcntl\n");
        return 2;
    }
    instance = GetModuleHandleA(nullptr);
    if (!registerClasses()) {
        std::fprintf(stderr, "cannot register the client's window classes\n");
        return 1;
    }
    const HWND frame =
        CreateWindowExA(0, "AOL Frame25", "Stand-in client", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                        800, 600, nullptr, nullptr, instance, nullptr);
    addChild(frame, "AOL Toolbar");
    CLIENTCREATESTRUCT documents {nullptr, 1000};
    const HWND documentArea = addChild(frame, "MDIClient", WS_CLIPCHILDREN, &documents);
    for (int index = 0; index < std::atoi(argv[1]); ++index)
        addDecoy(documentArea, index);
    const HWND room = addChild(documentArea, "AOL Child");
    addChild(room, "RICHCNTL");
    addChild(room, "_AOL_Icon");
    if (roomKind == "room") {
        inputLine = addChild(room, "RICHCNTL");
        SetWindowTextA(inputLine, "an old half-typed line, longer than any message");
    }
    addChild(room, "_AOL_Listbox");
    addDecoy(documentArea, 1);
    writeFile("ready.txt", "ready\n");

    // The client lives a minute at most.
    SetTimer(nullptr, 0, 60000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0 &&
           !(message.message == WM_TIMER && message.hwnd == nullptr)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
