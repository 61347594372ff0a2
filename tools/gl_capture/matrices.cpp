// The capture backend's arithmetic: 4x4 matrices as OpenGL keeps them, and
// the rotations and translations its entry points multiply in.
#include <cmath>

#include "tools/gl_capture/capture_internal.h"

namespace gl_capture {

Matrix Matrix::identity()
{
    Matrix r{};
    r.m[0] = r.m[5] = r.m[10] = r.m[15] = 1;
    return r;
}

Matrix Matrix::operator*(const Matrix& o) const
{
    Matrix r{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            double s = 0;
            for (int k = 0; k < 4; ++k)
                s += m[k * 4 + row] * o.m[col * 4 + k];
            r.m[col * 4 + row] = s;
        }
    return r;
}

Matrix Matrix::inverse() const
{
    // Gauss-Jordan elimination with partial pivoting on [this | identity].
    double a[4][8];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            a[r][c] = m[c * 4 + r];
            a[r][c + 4] = r == c;
        }
    for (int c = 0; c < 4; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 4; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        std::swap(a[c], a[pivot]);
        const double d = a[c][c];
        for (double& v : a[c])
            v /= d;
        for (int r = 0; r < 4; ++r)
            if (r != c) {
                const double f = a[r][c];
                for (int k = 0; k < 8; ++k)
                    a[r][k] -= f * a[c][k];
            }
    }
    Matrix inv{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            inv.m[c * 4 + r] = a[r][c + 4];
    return inv;
}

// Zero entries are skipped, so an infinite coordinate stays infinite where the
// matrix does not mix it in (0 * inf would give not-a-number).
static double row_times(const double* m, int row, const double (&v)[4])
{
    double s = 0;
    for (int k = 0; k < 4; ++k)
        if (m[k * 4 + row] != 0)
            s += m[k * 4 + row] * v[k];
    return s;
}

Vec3 Matrix::apply(const Vec3& p) const
{
    const double v[4] = {p.x, p.y, p.z, 1};
    const double w = row_times(m, 3, v);
    return {row_times(m, 0, v) / w, row_times(m, 1, v) / w, row_times(m, 2, v) / w};
}

Vec3 Matrix::direction(const Vec3& d) const
{
    return {m[0] * d.x + m[4] * d.y + m[8] * d.z,
            m[1] * d.x + m[5] * d.y + m[9] * d.z,
            m[2] * d.x + m[6] * d.y + m[10] * d.z};
}

bool Matrix::operator==(const Matrix& o) const
{
    return std::equal(m, m + 16, o.m);
}
Vec3 unit(Vec3 v)
{
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return n > 0 ? Vec3{v.x / n, v.y / n, v.z / n} : v;
}
// Exact sines and cosines for multiples of 90 degrees keep box faces exact.
static void sin_cos(double degrees, double& s, double& c)
{
    const double quarter = degrees / 90;
    if (quarter == std::floor(quarter)) {
        static const double sines[] = {0, 1, 0, -1};
        const long q = static_cast<long>(std::fmod(quarter, 4.0) + 4) % 4;
        s = sines[q];
        c = sines[(q + 1) % 4];
        return;
    }
    s = std::sin(degrees * M_PI / 180);
    c = std::cos(degrees * M_PI / 180);
}
Matrix rotation(double angle, double x, double y, double z)
{
    const Vec3 a = unit({x, y, z});
    double s, c;
    sin_cos(angle, s, c);
    const double t = 1 - c;
    Matrix r = Matrix::identity();
    r.m[0] = t * a.x * a.x + c;
    r.m[1] = t * a.x * a.y + s * a.z;
    r.m[2] = t * a.x * a.z - s * a.y;
    r.m[4] = t * a.x * a.y - s * a.z;
    r.m[5] = t * a.y * a.y + c;
    r.m[6] = t * a.y * a.z + s * a.x;
    r.m[8] = t * a.x * a.z + s * a.y;
    r.m[9] = t * a.y * a.z - s * a.x;
    r.m[10] = t * a.z * a.z + c;
    return r;
}
Matrix translation(double x, double y, double z)
{
    Matrix t = Matrix::identity();
    t.m[12] = x;
    t.m[13] = y;
    t.m[14] = z;
    return t;
}

}  // namespace gl_capture
