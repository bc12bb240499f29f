# A host tree that breaks every module rule, for the check's own test
# (host/CMakeLists.txt): d is listed before a, which it depends on; b
# includes a private header of a, and c includes a header of b without
# depending on it.
set(AXO_HOST_MODULES d a b c)
set(AXO_HOST_DEPENDS_d a)
set(AXO_HOST_DEPENDS_a)
set(AXO_HOST_DEPENDS_b a)
set(AXO_HOST_DEPENDS_c a)
