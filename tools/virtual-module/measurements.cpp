#include "measurements.h"

#include "moduleclock.h"
#include "registermap.h"

#include <QtMath>
#include <algorithm>
#include <complex>

namespace {

constexpr int InstantBlock = 36812;
constexpr int MeanStamp = 36860;
constexpr int MeanBlock = 36876;
constexpr int ExtremesBlock = 36924;
constexpr int VoltageLN = 50540;
constexpr int PowerFactor = 50552;
constexpr int VoltageLL = 50567;
constexpr int Temperature = 50575;

constexpr double TwoPi = 2.0 * M_PI;
// Phase angles of L1, L2, L3 in a positive-sequence system.
const double PhaseAngle[3] = {0.0, -TwoPi / 3.0, TwoPi / 3.0};

} // namespace

Measurements::Measurements(quint32 seed)
    : m_random(seed)
{
}

double Measurements::noise(double amplitude)
{
    return (m_random.generateDouble() * 2.0 - 1.0) * amplitude;
}

void Measurements::sample(double seconds, const QDateTime &moduleTime, int meanMinutes)
{
    const double t = seconds;
    static const double baseCurrent[3] = {42.0, 37.5, 45.2};

    std::complex<double> voltage[3];
    std::complex<double> neutral;
    double activeTotal = 0;
    double reactiveTotal = 0;
    for (int k = 0; k < 3; ++k) {
        const double v = 230.0 + 2.5 * std::sin(TwoPi * t / 180.0 + 1.7 * k) + noise(0.4);
        const double i = baseCurrent[k] * (1.0 + 0.15 * std::sin(TwoPi * t / 240.0 + 2.1 * k))
                         + noise(0.3);
        const double pf = std::clamp(0.92 + 0.05 * std::sin(TwoPi * t / 300.0 + k) + noise(0.005),
                                     0.85, 0.99);
        const double phi = std::acos(pf);
        const double p = v * i * pf;
        const double q = v * i * std::sin(phi);

        voltage[k] = std::polar(v, PhaseAngle[k]);
        neutral += std::polar(i, PhaseAngle[k] - phi);
        m_voltageLN[k] = float(v);
        m_powerFactor[k] = float(pf);
        m_instant[CurrentL1 + k] = float(i);
        m_instant[Active1 + k] = float(p);
        m_instant[Reactive1 + k] = float(q);
        activeTotal += p;
        reactiveTotal += q;
    }
    m_instant[CurrentN] = float(std::abs(neutral));
    m_instant[ActiveTotal] = float(activeTotal);
    m_instant[ReactiveTotal] = float(reactiveTotal);
    for (int k = 0; k < 3; ++k)
        m_voltageLL[k] = float(std::abs(voltage[k] - voltage[(k + 1) % 3]));

    // The enclosure warms and cools slowly between 35 and 45 degrees.
    m_temperature = qRound(40.0 + 4.5 * std::sin(TwoPi * t / 900.0 - 0.5));

    if (m_first) {
        m_first = false;
        m_min = m_instant;
        m_max = m_instant;
        m_mean = m_instant;
        m_meanStamp = moduleTime;
    }
    for (int n = 0; n < ValueCount; ++n) {
        m_min[n] = std::min(m_min[n], m_instant[n]);
        m_max[n] = std::max(m_max[n], m_instant[n]);
    }

    const qint64 periodMs = qint64(std::max(meanMinutes, 1)) * 60000;
    const qint64 period = moduleTime.toMSecsSinceEpoch() / periodMs;
    if (period != m_period) {
        if (m_period >= 0 && m_samples > 0) {
            for (int n = 0; n < ValueCount; ++n)
                m_mean[n] = float(m_sum[n] / m_samples);
            m_meanStamp = QDateTime::fromMSecsSinceEpoch(period * periodMs, Qt::UTC);
        }
        m_period = period;
        m_sum.fill(0);
        m_samples = 0;
    }
    for (int n = 0; n < ValueCount; ++n)
        m_sum[n] += m_instant[n];
    ++m_samples;
}

void Measurements::restartMeanPeriod()
{
    m_period = -1;
    m_sum.fill(0);
    m_samples = 0;
}

void Measurements::store(RegisterMap &map) const
{
    for (int n = 0; n < ValueCount; ++n) {
        map.setFloat(InstantBlock + 2 * n, m_instant[n]);
        map.setFloat(MeanBlock + 2 * n, m_mean[n]);
    }
    // Currents: four minima, then four maxima.
    for (int n = CurrentL1; n <= CurrentN; ++n) {
        map.setFloat(ExtremesBlock + 2 * n, m_min[n]);
        map.setFloat(ExtremesBlock + 8 + 2 * n, m_max[n]);
    }
    // Powers: a (max, min) pair each, in the order of the instant block.
    for (int n = ActiveTotal; n < ValueCount; ++n) {
        const int at = ExtremesBlock + 16 + 4 * (n - ActiveTotal);
        map.setFloat(at, m_max[n]);
        map.setFloat(at + 2, m_min[n]);
    }
    if (m_meanStamp.isValid())
        map.setValues(RegisterMap::Table::Holding, MeanStamp, ModuleClock::timeWords(m_meanStamp));
    for (int k = 0; k < 3; ++k) {
        map.setFloat(VoltageLN + 2 * k, m_voltageLN[k]);
        map.setFloat(PowerFactor + 2 * k, m_powerFactor[k]);
        map.setFloat(VoltageLL + 2 * k, m_voltageLL[k]);
    }
    map.setValue(RegisterMap::Table::Holding, Temperature, quint16(m_temperature));
}
