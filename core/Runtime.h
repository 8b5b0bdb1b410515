#pragma once

// The operations, events and properties of the window runtime that the
// window procedures call. Two runtimes implement them: runtime/qt for the
// program, and the scripted runtime of the procedure tests.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "runtime/data/FixedText.h"
#include "runtime/data/Queue.h"

namespace dirdock {

// 0 stands for the calling thread's current window.
using WindowRef = std::int32_t;

// Events.
inline constexpr std::int32_t EvAccepted = 1;
inline constexpr std::int32_t EvPointerIn = 11;
inline constexpr std::int32_t EvPointerOut = 12;
inline constexpr std::int32_t EvKeyAlerted = 15;
inline constexpr std::int32_t EvKeyPreAlert = 16;
inline constexpr std::int32_t EvRejected = 26;
inline constexpr std::int32_t EvOpened = 0x203;
inline constexpr std::int32_t EvFocusGained = 0x206;
inline constexpr std::int32_t EvSizing = 0x221;
inline constexpr std::int32_t EvRestoring = 0x222;
inline constexpr std::int32_t EvResized = 0x231;

// Properties.
enum Property : std::int32_t {
    PropText = 0x7C00,
    PropX = 0x7C02,
    PropY = 0x7C03,
    PropWidth = 0x7C04,
    PropHeight = 0x7C05,
    PropClickRow = 0x7C20,
    PropClickColumn = 0x7C23,
    PropAcceptSweep = 0x7C9A,
};

// Virtual-key codes.
inline constexpr std::int32_t KeyLeftButton = 1;
inline constexpr std::int32_t KeyRightButton = 2;

inline constexpr std::int32_t RuntimeVersion = 260;

using ModuleInitialiserFunction = void (*)(std::int32_t phase);
using ProcedureFunction = void (*)();

// What the program hands the runtime when it starts it.
struct ProgramDescriptorRecord {
    std::string_view name;
    ModuleInitialiserFunction moduleInitialiser;
};

// A procedure variable that a window's entry or list shows.
struct BoundVariable {
    BoundVariable(FixedText<255>& text) : text(&text) {}
    BoundVariable(Queue& queue) : queue(&queue) {}

    FixedText<255>* text = nullptr;
    Queue* queue = nullptr;
};

// Start and stop.
std::int32_t StartRuntime(const ProgramDescriptorRecord& program, std::int32_t version);
void CloseDownRuntime();
void EnterProgramCode();
void InitialiseModule();

// Windows.
WindowRef PrepareFrameWindow(std::string_view key, std::string_view label);
WindowRef PrepareChildWindow(std::string_view key, std::string_view label,
                             std::initializer_list<BoundVariable> variables = {});
void OpenWindow(WindowRef window);
void CloseWindow(WindowRef window);
void ReleaseWindow(WindowRef window);

// Event loop of the calling thread's current window.
void BeginEventLoop();
std::int32_t CurrentEvent();
std::int32_t CurrentControl();
bool EndEventPass(std::int32_t cycleFlag);
void FinishEventLoops(std::int32_t);

// Controls and properties. Numbers travel as their decimal text.
void SelectControl(std::int32_t control, std::int32_t, std::int32_t);
void Redisplay(std::int32_t control, std::int32_t);
void Beep(std::int32_t frequency, std::int32_t duration);
std::int32_t LastKeyCode();
void SetLastKeyCode(std::int32_t code);
std::int32_t PointerX();
std::string GetProperty(WindowRef window, std::int32_t control, Property property);
void SetProperty(WindowRef window, std::int32_t control, Property property, std::string_view value);
void SetProperty(WindowRef window, std::int32_t control, Property property, std::int32_t value);

// Threads and bind scopes.
std::int32_t StartProcedureThread(ProcedureFunction procedure, std::int32_t stackSize);
void PushBindScope(std::int32_t);
void PopBindScope();

// Records, queues and directory listings.
void ListDirectory(Queue& queue, std::string_view mask, std::int32_t attributes);
std::int32_t QueueCount(Queue& queue);
void QueueGet(Queue& queue, std::int32_t n);
void QueueAdd(Queue& queue);
void QueueFree(Queue& queue);
void QueueSort(Queue& queue, std::int32_t key);
void ClearRecord(void* buffer, std::span<const std::uint8_t> description);

// The open-file dialog. fileName is a zero-terminated buffer: its text is the
// initial name and, when a file is chosen, it receives the full path.
std::int32_t FileDialog(std::string_view title, std::span<char> fileName, std::string_view filter,
                        std::int32_t flags);

// A property value read as a number: leading blanks skipped, digits with an
// optional sign, anything else 0.
std::int32_t ToNumber(std::string_view value);

} // namespace dirdock
