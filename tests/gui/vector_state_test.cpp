// No event handler runs with the upper halves of the AVX registers in use:
// there every SSE-coded maths call of the C library would pay a transition
// penalty on Intel processors. The processor says which register states are
// in use through XGETBV with ECX = 1 (bit 2: the upper halves), where it
// supports that (CPUID leaf 0xD, sub-leaf 1, EAX bit 2).

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <gtest/gtest.h>

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#include <cpuid.h>
#define VENTROLEX_X86 1
#endif

namespace {

#ifdef VENTROLEX_X86
bool inUseIsReported()
{
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_OSXSAVE) || !(c & bit_AVX))
        return false;
    return __get_cpuid_count(0xD, 1, &a, &b, &c, &d) && (a & (1u << 2));
}

bool upperHalvesInUse()
{
    unsigned lo = 0, hi = 0;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(1));
    return lo & (1u << 2);
}

// A 256-bit instruction with no vzeroupper after it, as code compiled for AVX
// may leave behind.
void dirtyUpperHalves()
{
    __asm__ volatile("vpcmpeqd %%ymm1, %%ymm1, %%ymm1" ::: "xmm1");
}
#endif

// What the processor said when an event reached the handler.
class Probe : public QObject {
public:
    bool inUse = true;
    int seen = 0;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
#ifdef VENTROLEX_X86
        inUse = upperHalvesInUse();
#endif
        ++seen;
        return true;
    }
};

TEST(VectorState, NoEventHandlerRunsWithTheUpperHalvesInUse)
{
#ifdef VENTROLEX_X86
    if (!inUseIsReported())
        GTEST_SKIP() << "this processor does not report which register states are in use";
    dirtyUpperHalves();
    ASSERT_TRUE(upperHalvesInUse()) << "the upper halves were not left in use";

    Probe probe;
    QEvent sent(QEvent::User);
    dirtyUpperHalves();
    QCoreApplication::sendEvent(&probe, &sent);
    EXPECT_EQ(probe.seen, 1);
    EXPECT_FALSE(probe.inUse) << "a sent event";

    probe.inUse = true;
    QCoreApplication::postEvent(&probe, new QEvent(QEvent::User));
    dirtyUpperHalves();
    QCoreApplication::sendPostedEvents(&probe);
    EXPECT_EQ(probe.seen, 2);
    EXPECT_FALSE(probe.inUse) << "a posted event";
#else
    GTEST_SKIP() << "not an x86 processor";
#endif
}

} // namespace
