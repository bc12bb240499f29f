#ifndef CATMathPoint_h
#define CATMathPoint_h

// Contract: every declaration here is the host's.

// A point of space by its three coordinates, a plain value.

class CATMathPoint {
 public:
  CATMathPoint() = default;  // the origin
  CATMathPoint(double x, double y, double z) : x_(x), y_(y), z_(z) {}

  double GetX() const { return x_; }
  double GetY() const { return y_; }
  double GetZ() const { return z_; }
  void GetCoord(double& x, double& y, double& z) const {
    x = x_;
    y = y_;
    z = z_;
  }
  void SetCoord(double x, double y, double z) {
    x_ = x;
    y_ = y;
    z_ = z;
  }

  // Exact comparison of the coordinates.
  bool operator==(const CATMathPoint& o) const { return x_ == o.x_ && y_ == o.y_ && z_ == o.z_; }
  bool operator!=(const CATMathPoint& o) const { return !(*this == o); }

 private:
  double x_ = 0.0;
  double y_ = 0.0;
  double z_ = 0.0;
};

#endif  // CATMathPoint_h
