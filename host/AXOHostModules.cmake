# The modules of the host stand-in, each after those it depends on, and the
# modules each one depends on directly (host/CMakeLists.txt,
# cmake/AXOHostModuleCheck.cmake, which checks the order too).
set(AXO_HOST_MODULES core system settings geometry knowledge sax model catalog addon testmodel)
set(AXO_HOST_DEPENDS_core)
set(AXO_HOST_DEPENDS_system core)
set(AXO_HOST_DEPENDS_settings system)
set(AXO_HOST_DEPENDS_knowledge geometry)
set(AXO_HOST_DEPENDS_geometry system)
set(AXO_HOST_DEPENDS_sax core)
set(AXO_HOST_DEPENDS_model settings knowledge geometry)
set(AXO_HOST_DEPENDS_catalog model)
set(AXO_HOST_DEPENDS_addon model)
set(AXO_HOST_DEPENDS_testmodel catalog addon)
