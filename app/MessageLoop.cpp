#include "app/MessageLoop.h"

#include "app/Keyboard.h"

int RunMessageLoop(MainWindow& main) {
    if (main.window == nullptr) {
        return 0;
    }
    main.quitOnDestroy = true;
    MSG message{};
    // GetMessage answers -1 on error; that ends the loop like the quit message.
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (HandleWindowKey(main, message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
