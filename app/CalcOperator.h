#pragma once

// The four operator keys; each owns one pending flag and one operand slot.
enum class TOperator { Add, Sub, Mul, Div };
