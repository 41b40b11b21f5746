// A stand-in for the chat client, run under Wine: the client's window classes arranged as one
// scenario asks, so the chat room search meets a real user32 window tree.
//
// Usage: StandInClient DOCUMENTS-BEFORE-ROOM room|single-richcntl
// Writes ready.txt once the whole tree stands, received.txt with the input line's text when
// Enter arrives there, and misdelivered.txt when Enter arrives in any other rich text control.
// Quits after the first received line, or after a minute.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <windows.h>

namespace {

constexpr const char *ReadyFile = "ready.txt";
constexpr const char *ReceivedFile = "received.txt";
constexpr const char *MisdeliveredFile = "misdelivered.txt";
constexpr const char *InputLineMark = "TintraInputLine";
constexpr UINT LifetimeMilliseconds = 60000;

// The system edit control's procedure, to which the client's rich text controls defer.
WNDPROC editProcedure = nullptr;

void writeFile(const char *name, const std::string &bytes)
{
    if (FILE *file = std::fopen(name, "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

// Through the control's messages, as another process would read it.
std::string textOf(HWND control)
{
    const auto length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied =
        SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

LRESULT CALLBACK richTextProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR && wParam == '\r') {
        if (GetPropA(control, InputLineMark) != nullptr) {
            writeFile(ReceivedFile, textOf(control));
            PostQuitMessage(0);
        } else {
            writeFile(MisdeliveredFile, textOf(control));
        }
        return 0;
    }
    return CallWindowProcA(editProcedure, control, message, wParam, lParam);
}

bool registerClasses(HINSTANCE instance)
{
    WNDCLASSA richText {};
    if (!GetClassInfoA(nullptr, "EDIT", &richText)) {
        return false;
    }
    editProcedure = richText.lpfnWndProc;
    richText.style &= ~CS_GLOBALCLASS;
    richText.lpfnWndProc = richTextProcedure;
    richText.hInstance = instance;
    richText.lpszClassName = "RICHCNTL";
    if (!RegisterClassA(&richText)) {
        return false;
    }
    for (const char *name :
         {"AOL Frame25", "AOL Toolbar", "AOL Child", "_AOL_Listbox", "_AOL_Icon"}) {
        WNDCLASSA plain {};
        plain.lpfnWndProc = DefWindowProcA;
        plain.hInstance = instance;
        plain.lpszClassName = name;
        if (!RegisterClassA(&plain)) {
            return false;
        }
    }
    return true;
}

class StandInTree
{
public:
    explicit StandInTree(HINSTANCE instance)
        : m_instance(instance)
    { }

    void build(int documentsBeforeRoom, bool roomHasInputLine)
    {
        const HWND frame =
            CreateWindowExA(0, "AOL Frame25", "Stand-in client", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            0, 0, 800, 600, nullptr, nullptr, m_instance, nullptr);
        addChild(frame, "AOL Toolbar");
        CLIENTCREATESTRUCT documentArea {nullptr, 1000};
        const HWND mdi = addChild(frame, "MDIClient", WS_CLIPCHILDREN, &documentArea);
        for (int index = 0; index < documentsBeforeRoom; ++index) {
            addDecoy(mdi, index);
        }
        const HWND room = addChild(mdi, "AOL Child");
        addChild(room, "RICHCNTL");
        addChild(room, "_AOL_Icon");
        if (roomHasInputLine) {
            const HWND inputLine = addChild(room, "RICHCNTL");
            SetPropA(inputLine, InputLineMark, reinterpret_cast<HANDLE>(1));
            SetWindowTextA(inputLine, "an old half-typed line, longer than any message");
        }
        addChild(room, "_AOL_Listbox");
        addDecoy(mdi, 1);
    }

private:
    // Documents that look a little like a room: nothing inside, rich text without the list of
    // people, the list without rich text.
    void addDecoy(HWND mdi, int index)
    {
        const HWND document = addChild(mdi, "AOL Child");
        if (index % 3 == 1) {
            addChild(document, "RICHCNTL");
            addChild(document, "RICHCNTL");
        } else if (index % 3 == 2) {
            addChild(document, "_AOL_Listbox");
        }
    }

    HWND addChild(HWND parent, const char *className, DWORD style = 0, void *parameter = nullptr)
    {
        const DWORD textStyle = std::string_view(className) == "RICHCNTL" ? ES_MULTILINE : 0;
        const HWND child =
            CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style | textStyle, 0, 0, 200,
                            100, parent, nullptr, m_instance, parameter);
        // Each new child goes below its older siblings, so child order is creation order; were it
        // not, the rooms among the first 101 documents and the input line would be others, and the
        // scenarios would fail.
        SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return child;
    }

    HINSTANCE m_instance;
};

} // namespace

int main(int argc, char **argv)
{
    const std::string_view roomKind = argc == 3 ? argv[2] : "";
    if (roomKind != "room" && roomKind != "single-richcntl") {
        std::fprintf(stderr, "usage: StandInClient DOCUMENTS-BEFORE-ROOM room|single-richcntl\n");
        return 2;
    }
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registerClasses(instance)) {
        std::fprintf(stderr, "cannot register the client's window classes\n");
        return 1;
    }
    StandInTree tree(instance);
    tree.build(std::atoi(argv[1]), roomKind == "room");
    writeFile(ReadyFile, "ready\n");

    SetTimer(nullptr, 0, LifetimeMilliseconds, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr) {
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
