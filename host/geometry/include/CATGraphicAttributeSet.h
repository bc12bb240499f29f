#ifndef CATGraphicAttributeSet_h
#define CATGraphicAttributeSet_h

// Contract: the host's declarations, but for the stand-in's own additions
// in the sections that CAT_HOST_API_ONLY hides.

// How a graphic representation is drawn, a plain value: here only whether
// it is shown or hidden.

class CATGraphicAttributeSet {
 public:
  // 1 when hidden, 0 when shown.
  int IsHidden() const { return hidden_ ? 1 : 0; }
#ifndef CAT_HOST_API_ONLY
  // Hides the representation (non-zero) or shows it (0).
  void SetHidden(int hidden) {
    hidden_ = hidden != 0;
  }
#endif  // CAT_HOST_API_ONLY

 private:
  bool hidden_ = false;
};

#endif  // CATGraphicAttributeSet_h
