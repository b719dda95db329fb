#include "app/terrain3d/TerrainContextCheck.h"

#include "core/Messages.h"

namespace {

const char* ProblemText(TerrainContextProblem problem) {
    switch (problem) {
    case TerrainContextProblem::NoWindow:
        return "CreateWindow() failed:  Cannot create a window.";
    case TerrainContextProblem::NoContext:
        return "ChoosePixelFormat() failed:\nCannot find a suitable pixel format.";
    case TerrainContextProblem::NoDepthBuffer:
        return "SetPixelFormat() failed:\nCannot set format specified.";
    case TerrainContextProblem::None:
        break;
    }
    return nullptr;
}

} // namespace

int ReportTerrainContextProblem(TerrainContextProblem problem, Shell& shell) {
    const char* text = ProblemText(problem);
    if (text == nullptr) {
        return 0;
    }
    ShowHardError(shell, WindowId::None, text);
    return 4;
}
