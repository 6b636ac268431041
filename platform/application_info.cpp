// The platform layer: windows, controls and drawing of the game on top of Qt.
namespace tarvelon::platform {
const char* LayerName() { return "platform"; }
}
