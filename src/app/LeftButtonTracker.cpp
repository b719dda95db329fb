#include "app/LeftButtonTracker.h"

LeftButtonTracker::LeftButtonTracker(std::function<void(QPoint)> step, std::function<void()> finish,
                                     QObject* parent)
    : QObject(parent), step_(std::move(step)), finish_(std::move(finish)) {
    timer_.setInterval(PollIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &LeftButtonTracker::Poll);
}

void LeftButtonTracker::Start() {
    active_ = true;
    Poll();
    if (active_)
        timer_.start();
}

void LeftButtonTracker::Stop() {
    if (!active_)
        return;
    active_ = false;
    timer_.stop();
    finish_();
}

void LeftButtonTracker::Poll() {
    if (!active_)
        return;
    if (!leftButtonHeld()) {
        Stop();
        return;
    }
    step_(cursorPosition());
}
