// The rotator's mechanics: two axes that turn at a fixed rate towards a target or while a
// direction is held, and stop at their travel limits.
#pragma once

namespace zt::gs232sim {

struct MechanicsConfig {
    double AzTravel = 450; // degrees from the counter-clockwise stop
    double ElTravel = 180;
    double AzTopRate = 6; // degrees per second at speed X4
    double ElRate = 3;
};

class Axis {
public:
    Axis(double travel, double position);
    void SetTarget(double target); // clamped into the travel
    void Hold(int direction);      // -1 or +1: turn until stopped or at a limit
    void Stop();
    void Advance(double degrees); // the distance the axis can cover in this step
    double Position() const { return FPosition; }
    bool Moving() const { return FMotion != Motion::Idle; }
    double Target() const; // where it is heading: target, limit, or where it is
    double Travel() const { return FTravel; }

private:
    enum class Motion { Idle, ToTarget, Held };
    double FTravel;
    double FPosition;
    Motion FMotion = Motion::Idle;
    double FTarget = 0;
};

class RotatorModel {
public:
    explicit RotatorModel(const MechanicsConfig& config, double az = 0, double el = 0);
    void Advance(double seconds);
    void SetSpeed(int level); // 1..4, scales the azimuth rate
    int Speed() const { return FSpeed; }
    double AzRate() const { return FConfig.AzTopRate * FSpeed / 4; }
    double ElRate() const { return FConfig.ElRate; }
    Axis& Az() { return FAz; }
    Axis& El() { return FEl; }
    const Axis& Az() const { return FAz; }
    const Axis& El() const { return FEl; }

private:
    MechanicsConfig FConfig;
    Axis FAz;
    Axis FEl;
    int FSpeed = 4;
};

} // namespace zt::gs232sim
