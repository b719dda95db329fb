#pragma once
// Follows the left button while it is held over the texture view: a short timer reads the
// cursor and the button state and hands each reading to the core's tracking step, so the
// event loop keeps running between readings. The reading functions can be replaced, so
// that tests can play a drag without a real pointer.

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>

class LeftButtonTracker : public QObject {
    Q_OBJECT
  public:
    // `step` gets each reading in client pixels; `finish` runs once when the button is up.
    LeftButtonTracker(std::function<void(QPoint client)> step, std::function<void()> finish,
                      QObject* parent = nullptr);

    // Whether the left button is held and where the cursor is, in client pixels.
    std::function<bool()> leftButtonHeld;
    std::function<QPoint()> cursorPosition;

    // Takes the first reading at once, then one per timer tick.
    void Start();
    // Ends the tracking now (the release arrived), running `finish` if it was active.
    void Stop();
    bool IsActive() const { return active_; }
    // One reading: a step while the button is held, otherwise the end of the tracking.
    void Poll();

    static constexpr int PollIntervalMs = 10;

  private:
    std::function<void(QPoint)> step_;
    std::function<void()> finish_;
    QTimer timer_;
    bool active_ = false;
};
