#include "RotatorModel.h"

#include <algorithm>
#include <cmath>

namespace zt::gs232sim {

Axis::Axis(double travel, double position)
    : FTravel(travel), FPosition(std::clamp(position, 0.0, travel)) {}

void Axis::SetTarget(double target) {
    FTarget = std::clamp(target, 0.0, FTravel);
    FMotion = Motion::ToTarget;
}

void Axis::Hold(int direction) {
    FTarget = direction < 0 ? 0.0 : FTravel;
    FMotion = Motion::Held;
}

void Axis::Stop() {
    FMotion = Motion::Idle;
}

double Axis::Target() const {
    return FMotion == Motion::Idle ? FPosition : FTarget;
}

void Axis::Advance(double degrees) {
    if (FMotion == Motion::Idle)
        return;
    // A held direction heads for its stop, so both motions end the same way.
    const double remaining = FTarget - FPosition;
    if (std::abs(remaining) <= degrees) {
        FPosition = FTarget;
        FMotion = Motion::Idle;
    } else {
        FPosition += remaining > 0 ? degrees : -degrees;
    }
}

RotatorModel::RotatorModel(const MechanicsConfig& config, double az, double el)
    : FConfig(config), FAz(config.AzTravel, az), FEl(config.ElTravel, el) {}

void RotatorModel::Advance(double seconds) {
    if (seconds <= 0)
        return;
    FAz.Advance(AzRate() * seconds);
    FEl.Advance(ElRate() * seconds);
}

void RotatorModel::SetSpeed(int level) {
    FSpeed = std::clamp(level, 1, 4);
}

} // namespace zt::gs232sim
