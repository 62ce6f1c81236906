#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes the seed corpus fuzz/corpus/<target>/: a few interesting inputs per
# fuzz target (the edge cases of each procedure, texts at the 16-bit limit).
# The files are committed; run this again after changing the list.
#
# An input is: a flags byte, two bytes of figure count, then the operands
# split at "|" (see fuzz_input.h). seed takes the figure count as 1..500;
# rawseed takes the two bytes as a signed 16-bit value; edgeseed picks one of
# fuzz_input.h's kEdgeCounts by its index.
set -euo pipefail
corpus=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/corpus

byte() { printf "\\x$(printf %02x "$1")"; }
write() {  # target name flags low high payload
  mkdir -p "$corpus/$1"
  { byte "$3"; byte "$4"; byte "$5"; printf '%s' "$6"; } > "$corpus/$1/$2"
}
seed() { local low=$(($4 - 1)); write "$1" "$2" "$3" $((low & 255)) $((low >> 8)) "$5"; }
rawseed() { local v=$(($4 & 0xFFFF)); write "$1" "$2" "$3" $((v & 255)) $((v >> 8)) "$5"; }
edgeseed() { write "$1" "$2" "$3" "$4" $((0xC0)) "$5"; }

# Inflation flags: 0x80 | index << 4 repeats the character after each "*".
i99=$((0x80 | 1 << 4)); i16383=$((0x80 | 4 << 4)); i32766=$((0x80 | 5 << 4)); i32767=$((0x80 | 6 << 4))

rm -rf "$corpus"

t=large_add
seed $t carry_through_point 0 50 '9.99|0.01'
seed $t difference_below_one 1 50 '0.3|0.5'
seed $t sum_keeps_leading_zeros 0 50 '007|1'
seed $t minus_zero 1 50 '-0|0'
seed $t separators 0 50 '1,234.5|1 000'
seed $t trailing_point 0 50 '5.|0.25'
seed $t inner_minus 1 50 '503|5-4'
seed $t plus_sign 0 50 '+5|3'
seed $t second_point 0 50 '1.2.3|4.5'
seed $t letters 0 50 'abc|1'
seed $t bad_operation 2 50 'x|1|2'
seed $t length_limit $i32766 50 '*9|1'
seed $t length_past_limit $i32767 50 '1*9|1'
seed $t result_past_limit $i32767 50 '*9|1'
seed $t aligned_past_limit $i16383 50 '*9.|.*9'

t=digit_helpers
rawseed $t shift_fraction_zero 0 2 '0.05'
rawseed $t shift_left 0 -2 '1234.5'
rawseed $t remove_point 0 3 '12.34'
rawseed $t remove_with_given_length 1 5 '12.34'
rawseed $t sigfigs_inner_zeros 0 1 '0.0012300'
rawseed $t sigfigs_trailing_point 0 0 '100.'
rawseed $t separators_only 0 0 ', ,'
rawseed $t two_points 0 1 '5..'
rawseed $t largest_shift 0 32767 '1'
rawseed $t smallest_shift 0 -32768 '1.5'
rawseed $t long_text_shift 2 -1 "$(printf '%0300d' 7)"
rawseed $t text_at_limit $i32767 -3 '*1'

t=large_multiply
seed $t small 0 50 '12|34'
seed $t halves 0 50 '0.5|0.5'
seed $t signs 0 50 '-2|-3'
seed $t separators 0 50 '1,000|2'
seed $t zeros 0 50 '0.00|-0'
seed $t empty 0 50 '|'
seed $t point_and_zero 0 50 '.|0'
seed $t letter 0 50 '2a|3'
seed $t second_point 0 50 '1.2.3|2'
seed $t malformed_zero 0 50 '0.0.0|0'
seed $t ninety_nines $i99 50 '*9.*9|-.*9'
seed $t figures_at_limit $i16383 50 '1*9|*9'
seed $t figures_past_limit $i16383 50 '11*9|1*9'

t=large_div
seed $t third 0 30 '1|3'
seed $t quarter_with_extension 0 3 '100|4'
seed $t waiting_digit 0 3 '1234|1'
seed $t small_divisor 0 50 '1|0.001'
seed $t divisor_beyond_figures 0 3 '1|1.23456'
seed $t divisor_tail_decides 0 50 '9|1.000000000000000000000000000000000000000000000000099999'
seed $t divisor_zeros_after_point 0 30 '1|0.0000000000000000000000000123456789'
seed $t divisor_figures_past_sf $i99 50 '7|12.*3'
seed $t divisor_below_one_past_sf $i99 60 '5|.000*6'
seed $t long_numerator_long_divisor $i99 100 '*8|9.*1'
seed $t divisor_long_whole_digits 0 30 '1|200000000000000000000000000000000000.5'
seed $t extra_last_digit 0 30 '9999999999999999999999999999999|3'
seed $t zero_divisor 0 30 '5|0'
seed $t signs 0 50 '-10|-4'
seed $t refused_with_message 1 30 '11111111111111111111111111111111|7'
seed $t refused_no_number 1 3 'x,y,z,w,v|q'
seed $t no_number 0 50 'x|2'
edgeseed $t sf_zero 0 0 '5|7'
edgeseed $t sf_negative 0 1 '|7'
edgeseed $t sf_largest 0 13 '1|7'
seed $t divisor_at_limit $i32767 500 '1|*7'
seed $t divisor_past_limit $i32767 500 '1|3*7'

t=square_root
seed $t four 0 50 '4|50'
seed $t two_at_500 0 50 '2|500'
seed $t grouped 0 50 '1,000,000|50'
seed $t small 0 50 '0.005|50'
seed $t zero 0 50 '0.00|50'
seed $t past_fixed_range 0 50 '100000000000000000000000000000|50'
seed $t exponent_form 0 50 '1E-40|50'
seed $t negative 0 50 '-4|50'
seed $t no_number 0 50 'abc|50'
seed $t setting_no_number 0 50 '2|abc'
seed $t setting_zero 0 50 '2|0'
seed $t setting_fraction 0 50 '2|30.9'
seed $t generated_setting 1 100 '3'
seed $t long_number $i32766 50 '1*0|50'

t=rt_power
seed $t whole 0 50 '2|10'
seed $t largest_exact 0 50 '2|120'
seed $t past_exact 0 50 '2|121'
seed $t cut_fraction 0 50 '1.1|100'
seed $t cut_small_fraction 0 5 '0.0123|3'
seed $t not_the_root_text 0 50 '2|0.50'
seed $t negative_base 0 50 '-2|3'
seed $t too_big 0 50 '10|400'
seed $t zero_negative_power 0 50 '0|-2'
seed $t negative_fractional 0 50 '-8|0.3'
seed $t whole_but_written 0 50 '2|-1.0'
seed $t exponent_past_32_bits 0 50 '2|1E10'
seed $t exponent_no_number 0 50 '2|abc'
seed $t root 1 50 '2||'
seed $t reciprocal 2 50 '3||'
seed $t reciprocal_of_zero 2 50 '0||'
seed $t zero_power 3 50 'abc||'
seed $t long_base_power $i99 50 '*9|120'
seed $t leading_zeros_at_the_limit $i32766 50 '*02|2'

t=factorial
for n in 10 20 25 170 171 0 -3 5.9 -40000 1e400 -1e400 abc 1000 ' 7 '; do
  seed $t "count_${n// /_}" 0 1 "$n"
done
rawseed $t count_9000 1 9000 ''
rawseed $t count_largest 1 32767 ''

t=fixed_decimal
seed $t largest 0 1 '79228162514264337593543950335|1'
seed $t past_largest 0 1 '79228162514264337593543950336|1'
seed $t pi_rounded 0 1 '3.1415926535897932384626433832795028841971693993751|2'
seed $t below_smallest 0 1 '0.00000000000000000000000000001|1'
seed $t spaces_and_commas 0 1 ' 1,234.50 |0.1'
seed $t thirds 0 1 '1|3'
seed $t tenths 0 1 '0.1|0.2'
seed $t zero_divisor 0 1 '5|0'
seed $t tie_at_largest 0 1 '7.92281625142643375935439503355|1'
seed $t tie_to_even 0 1 '2.00000000000000000000000000015|-1E-28'
seed $t huge_exponents 0 1 '1E-999999999999|1e28'
seed $t tie_at_scale_13 0 1 '1234567890123456.12345678901245|3'
seed $t tie_at_scale_0 0 1 '79228162514264337593543950334.5|-0.5'
seed $t product_ties 0 1 '0.0000000000000000000000000003|0.5'
seed $t quotient_tie 0 1 '0.0000000000000000000000000001|2'
seed $t long_digits $i16383 1 '0.*3|1*0'

t=number_text
for text in '1,234' '1,2,3' '1,' '1,.5' ',1' '1,,2' '-,1' '.5,1' '1E-999999999999' '1.5E3' \
            '  -1.5e+3  ' "$(printf '\t1')" '1e-310' '1e308' '1.8e308' '2.4703282292062327e-324' \
            '1 000' '12abc' '- 5' '.' '+' '' '0x1A' '1e' '5.e2'; do
  name=$(printf '%s' "$text" | od -An -tx1 | tr -d ' \n')
  seed number_text "text_${name:-empty}" 0 1 "$text"
done
seed number_text long_digits $i32767 1 '1.*5e-3'

echo "seed corpus written to $corpus"
