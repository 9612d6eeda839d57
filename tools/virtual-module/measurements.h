#pragma once

#include <QDateTime>
#include <QRandomGenerator>
#include <array>

class RegisterMap;

// Simulated three-phase feeder: slowly varying voltages, loads and power
// factors with a little noise, from which every published value is derived
// (powers from V, I and phi, the neutral current and the phase-to-phase
// voltages from the phasors), so the figures on the bus stay consistent.
class Measurements
{
public:
    // Order of the 12 values of the instant, mean and extreme blocks.
    enum Value {
        CurrentL1, CurrentL2, CurrentL3, CurrentN,
        ActiveTotal, ReactiveTotal,
        Active1, Active2, Active3,
        Reactive1, Reactive2, Reactive3,
        ValueCount
    };

    explicit Measurements(quint32 seed = 0x0F5E);

    // Takes one measurement at `seconds` of run time. `meanMinutes` is the
    // averaging period; a period ends on a multiple of it in module time.
    void sample(double seconds, const QDateTime &moduleTime, int meanMinutes);
    // Drops the running average without publishing it (the clock or the
    // period changed, so the current period means nothing any more).
    void restartMeanPeriod();

    void store(RegisterMap &map) const;

    int temperature() const { return m_temperature; }
    float instant(Value v) const { return m_instant[v]; }

private:
    using Block = std::array<float, ValueCount>;

    double noise(double amplitude);

    QRandomGenerator m_random;
    bool m_first = true;

    Block m_instant{};
    std::array<float, 3> m_voltageLN{};
    std::array<float, 3> m_voltageLL{};
    std::array<float, 3> m_powerFactor{};
    int m_temperature = 0;

    Block m_mean{};
    QDateTime m_meanStamp;
    std::array<double, ValueCount> m_sum{};
    int m_samples = 0;
    qint64 m_period = -1;

    Block m_min{};
    Block m_max{};
};
