#pragma once

class QObject;

// Hands memory the client no longer uses back to the system. The C library keeps freed
// memory for the process to reuse: most of what a closed screen held (its widgets, their
// texts, pictures and layouts) would stay resident until another screen happened to need
// as much.
namespace MemoryRelief {

// Large buffers (pictures, an answer's parser) come straight from the system and go back
// to it when freed, rather than settling in the heap. Called once, at start.
void returnLargeBuffers();

// Deletes the screen once control returns to the event loop, then trims the heap once
// for all the screens closed at that moment.
void release(QObject *screen);

} // namespace MemoryRelief
