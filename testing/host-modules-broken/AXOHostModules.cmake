# A host tree that breaks both module rules, for the check's own test
# (host/CMakeLists.txt): b includes a private header of a, and c includes a
# header of b without depending on it.
set(AXO_HOST_MODULES a b c)
set(AXO_HOST_DEPENDS_a)
set(AXO_HOST_DEPENDS_b a)
set(AXO_HOST_DEPENDS_c a)
