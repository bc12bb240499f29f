#ifndef APublic_h
#define APublic_h
#endif
