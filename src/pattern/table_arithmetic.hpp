#pragma once
// The table model's arithmetic, in force for a scope.

namespace pattern {

// velmor's vector build runs its whole dialogue with every floating-point
// exception masked and results below the smallest normal float flushed to
// zero (setArithmeticEnvironment). velmor-pattern calls the same model
// operations for its table values and must get the same bits, so they run
// in that environment; the double physics must not, because flushing would
// cut the tails of its sums and its tiny levels far down the pattern. The
// guard sets the environment on construction and puts the previous control
// and status register back on destruction.
class TableModelArithmetic {
public:
    TableModelArithmetic();
    ~TableModelArithmetic();
    TableModelArithmetic(const TableModelArithmetic&) = delete;
    TableModelArithmetic& operator=(const TableModelArithmetic&) = delete;

private:
    unsigned saved_;
};

}  // namespace pattern
