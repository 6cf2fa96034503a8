#include "dialogs/MemoryStatus.h"

#include <QFile>
#include <QString>
#include <algorithm>
#include <limits>

#if defined(__linux__)
#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <unistd.h>
#elif defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace tovak {

namespace {

#if defined(__linux__)

// A "Name:   1234 kB" line of /proc/meminfo in bytes; false when it is missing.
bool MeminfoBytes(const QByteArray& meminfo, const QByteArray& name, std::uint64_t& bytes) {
    for (const QByteArray& line : meminfo.split('\n')) {
        if (!line.startsWith(name + ':')) {
            continue;
        }
        const QList<QByteArray> fields = line.mid(name.size() + 1).simplified().split(' ');
        bool ok = false;
        const std::uint64_t value = fields.value(0).toULongLong(&ok);
        if (!ok) {
            return false;
        }
        bytes = fields.value(1) == "kB" ? value * 1024 : value;
        return true;
    }
    return false;
}

QByteArray ReadProcFile(const char* path) {
    QFile file(QString::fromLatin1(path));
    // Files in /proc report size 0; read until the end.
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The top of the user address space when no limit is set.
std::uint64_t UserAddressSpace() {
#if defined(__x86_64__)
    return std::uint64_t{1} << 47;
#elif defined(__aarch64__)
    return std::uint64_t{1} << 48;
#else
    return sizeof(void*) >= 8 ? std::uint64_t{1} << 47 : std::uint64_t{3} << 30;
#endif
}

void QueryPlatform(MemoryStatus& status) {
    struct sysinfo info {};
    if (sysinfo(&info) == 0) {
        const std::uint64_t unit = info.mem_unit == 0 ? 1 : info.mem_unit;
        status.totalPhys = std::uint64_t{info.totalram} * unit;
        status.availPhys = (std::uint64_t{info.freeram} + info.bufferram) * unit;
        status.totalPageFile = std::uint64_t{info.totalswap} * unit;
        status.availPageFile = std::uint64_t{info.freeswap} * unit;
    }
    // MemAvailable counts the caches the kernel can hand back: what a program can still get.
    std::uint64_t available = 0;
    if (MeminfoBytes(ReadProcFile("/proc/meminfo"), "MemAvailable", available)) {
        status.availPhys = std::min(available, status.totalPhys);
    }
    if (status.totalPhys > 0) {
        status.memoryLoad = (status.totalPhys - status.availPhys) * 100 / status.totalPhys;
    }

    status.totalVirtual = UserAddressSpace();
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        status.totalVirtual = std::min<std::uint64_t>(limit.rlim_cur, status.totalVirtual);
    }
    const QList<QByteArray> statm = ReadProcFile("/proc/self/statm").split(' ');
    bool ok = false;
    const std::uint64_t pages = statm.value(0).toULongLong(&ok);
    const long pageSize = sysconf(_SC_PAGESIZE);
    const std::uint64_t used =
        ok && pageSize > 0 ? pages * static_cast<std::uint64_t>(pageSize) : 0;
    status.availVirtual = used < status.totalVirtual ? status.totalVirtual - used : 0;
}

#elif defined(_WIN32)

void QueryPlatform(MemoryStatus& status) {
    MEMORYSTATUSEX info{};
    info.dwLength = sizeof(info);
    if (GlobalMemoryStatusEx(&info) == 0) {
        return;
    }
    status.memoryLoad = info.dwMemoryLoad;
    status.totalPhys = info.ullTotalPhys;
    status.availPhys = info.ullAvailPhys;
    status.totalPageFile = info.ullTotalPageFile;
    status.availPageFile = info.ullAvailPageFile;
    status.totalVirtual = info.ullTotalVirtual;
    status.availVirtual = info.ullAvailVirtual;
}

#else

void QueryPlatform(MemoryStatus& status) {
    status.totalVirtual = std::numeric_limits<std::uintptr_t>::max();
    status.availVirtual = status.totalVirtual;
}

#endif

} // namespace

MemoryStatus QueryMemoryStatus() {
    MemoryStatus status;
    QueryPlatform(status);
    return status;
}

QStringList MemoryStatusLines(const MemoryStatus& s) {
    auto line = [](const char* name, std::uint64_t value, const char* tabs, const char* text) {
        return QString::fromUtf8(name) + QString::number(value) + QString::fromLatin1(tabs) +
               QString::fromLatin1(text);
    };
    return {
        QStringLiteral("Speicherauszug mit GlobalMemoryStatus"),
        QString(),
        QStringLiteral("Länge der Structur: ") + QString::number(s.length),
        line("dwMemoryLoad:\t", s.memoryLoad, "\t\t", "  percent of memory in use"),
        line("dwTotalPhys:\t", s.totalPhys, "\t\t", "  bytes of physical memory"),
        line("dwAvailPhys:\t", s.availPhys, "\t\t", "  free physical memory bytes"),
        line("dwTotalPageFile:\t", s.totalPageFile, "\t\t", "  bytes of paging file"),
        line("dwAvailPageFile\t", s.availPageFile, "\t\t", "  free bytes of paging file"),
        line("dwTotalVirtual\t", s.totalVirtual, "\t", "  user bytes of address space"),
        line("dwAvailVirtual\t", s.availVirtual, "\t", "  free user bytes"),
    };
}

} // namespace tovak
