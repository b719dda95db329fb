#pragma once
// What can go wrong while the 3D view gets its window and OpenGL context, and the message
// each failure shows before start-up gives up with "OpenGL failed to initialize!".

class Shell;

enum class TerrainContextProblem {
    None,
    NoWindow,      // the platform would not make the window
    NoContext,     // no OpenGL context of the requested kind could be made
    NoDepthBuffer, // a context came, but its framebuffer has no depth buffer
};

// Shows the problem's "Error" box (no owner, no icon); 0 when there is none, else 4.
int ReportTerrainContextProblem(TerrainContextProblem problem, Shell& shell);
