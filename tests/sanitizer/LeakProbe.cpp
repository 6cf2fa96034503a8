// Leaks on purpose, from a function of ours that Qt's event loop calls, so the allocation's
// stack holds frames of ours and of Qt: the project's leak suppressions must not hide it.
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace {

void LeakFromOurCode() {
    const auto* cells = new std::vector<int>(64, 7);
    std::printf("cell %d\n", (*cells)[3]);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTimer::singleShot(0, &app, [] {
        LeakFromOurCode();
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}
