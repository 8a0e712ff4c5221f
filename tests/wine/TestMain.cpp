// The main of every Windows test program.
//
// GoogleTest hands each failure to OutputDebugStringA, which raises a debug-print exception.
// Under Wine on this machine's emulated 32-bit loader, dispatching any structured exception
// crashes the program, losing the failure report and every later result. Test programs have no
// debugger to print to, so this program's imports of OutputDebugStringA/W bind to no-ops.
#include <gtest/gtest.h>
#include <windows.h>

extern "C" {

void WINAPI QuietOutputDebugStringA(LPCSTR) {}
void WINAPI QuietOutputDebugStringW(LPCWSTR) {}

// The import slots the compiler calls through for the dllimport declarations in <windows.h>;
// defined here, they win over the ones in kernel32's import library.
void* ImportedOutputDebugStringA asm("__imp__OutputDebugStringA@4") = reinterpret_cast<void*>(&QuietOutputDebugStringA);
void* ImportedOutputDebugStringW asm("__imp__OutputDebugStringW@4") = reinterpret_cast<void*>(&QuietOutputDebugStringW);

}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
