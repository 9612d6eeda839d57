#ifndef TSAN_H
#define TSAN_H

// Qt 5 waits on futexes that ThreadSanitizer cannot see, so hand-overs through
// QMutex, QSemaphore and queued signal delivery look like races to it. These
// make such a hand-over visible in sanitizer builds and vanish otherwise.

#if defined(__SANITIZE_THREAD__)
#define ORVALIS_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define ORVALIS_TSAN 1
#endif
#endif

#ifdef ORVALIS_TSAN
extern "C" void __tsan_acquire(void *addr);
extern "C" void __tsan_release(void *addr);
#define TSAN_ACQUIRE(addr) __tsan_acquire(const_cast<void *>(static_cast<const void *>(addr)))
#define TSAN_RELEASE(addr) __tsan_release(const_cast<void *>(static_cast<const void *>(addr)))
#else
#define TSAN_ACQUIRE(addr) ((void)0)
#define TSAN_RELEASE(addr) ((void)0)
#endif

#endif
