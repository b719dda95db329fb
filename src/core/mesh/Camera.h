#pragma once
// The 3D preview's orbit camera: dragged with the mouse in the 3D view, clamped and
// wrapped once at the start of every frame. Degrees and 3D units, single precision.

struct Camera {
    float CameraDistance = -600.0f; // along the eye's z axis; more negative is farther
    float CameraElevation = 35.0f;  // about x; kept within 5 ... 175 by each frame
    float CameraAzimuth = 0.0f;     // about y; wrapped into 0 ... 360 by each frame
};

// Mouse button sets of a drag in the 3D view.
constexpr int DragLeftButton = 2;  // turns the camera
constexpr int DragRightButton = 3; // right, or right and left: moves it nearer or farther

// A drag from (oldX, oldY) to (newX, newY) in client pixels. The left button turns by 0.9
// degrees per pixel; the right moves the eye away when dragged down or to the left. Any
// other button set does nothing. Limits are applied by the next frame, not here.
void DragCamera(Camera& camera, int buttons, int oldX, int newX, int oldY, int newY);

// Per frame: elevation clamped to 5 ... 175; azimuth below 0 gains 360 and above 360 loses
// 360, once (so exactly 0 and 360 stay, and a far drag needs several frames to settle).
void ClampAndWrapCamera(Camera& camera);
