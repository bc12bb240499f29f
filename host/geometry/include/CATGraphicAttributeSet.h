#ifndef CATGraphicAttributeSet_h
#define CATGraphicAttributeSet_h

// How a graphic representation is drawn, a plain value: here only whether
// it is shown or hidden.

class CATGraphicAttributeSet {
 public:
  // 1 when hidden, 0 when shown.
  int IsHidden() const { return hidden_ ? 1 : 0; }
  // Hides the representation (non-zero) or shows it (0).
  void SetHidden(int hidden) { hidden_ = hidden != 0; }

 private:
  bool hidden_ = false;
};

#endif  // CATGraphicAttributeSet_h
