// Handing work from worker threads to the user-interface thread, where all window work runs.
#pragma once

#include <functional>

namespace gw {

// Runs Work on the user-interface thread the next time its loop takes messages, and waits for
// it; on the user-interface thread itself Work runs at once. An exception thrown by Work is
// raised again in the calling thread.
void Synchronize(std::function<void()> Work);
// As Synchronize without waiting.
void Queue(std::function<void()> Work);
// The queue lives from InitializeUI to FinalizeUI; work queued outside that time, or still
// waiting when it ends, is dropped, and a waiting caller gets EInvalidOperation.
void StartWorkQueue();
void StopWorkQueue();

}  // namespace gw
