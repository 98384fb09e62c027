#pragma once

namespace bm {

// Told about every capture that reached the measurement step, after the
// step has read the readings and before it writes anything. Observers only
// look: what the step writes does not depend on them.
class CaptureObserver {
public:
    virtual ~CaptureObserver() = default;
    // A reading was missing; the capture was rejected.
    virtual void captureRejected() = 0;
    // The readings were accepted. `baseline` is true for the first accepted
    // capture of a run or of a newly detected character.
    virtual void captureAccepted(bool baseline) = 0;
};

}  // namespace bm
