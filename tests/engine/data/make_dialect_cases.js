// Regenerates dialect_cases.json from JavaScript itself:
//   node make_dialect_cases.js > dialect_cases.json
// Each case: pattern, flags (g, i, m), subject and optional replacement; the
// output adds what JavaScript finds: the matches as [index, length] pairs and
// the replaced text, or error: true when JavaScript rejects the pattern.
'use strict';

const R = String.raw;
const cases = [];
const add = (pattern, flags, subject, replacement) => cases.push({ pattern, flags, subject, replacement });

// Dot and line terminators.
add(R`.`, 'g', 'a\nb\rc\u2028d\u2029e\u0085f\u000bg');
add(R`.+`, 'g', 'ab\r\ncd');
add(R`[^]+`, 'g', 'a\r\nb');
// Line starts and ends, with and without m.
add(R`^`, 'gm', 'a\r\nb\nc\rd\u2028e\u2029f');
add(R`$`, 'gm', 'a\r\nb\nc\rd\u2028e\u2029f');
add(R`^\w+$`, 'gm', 'one\r\ntwo\n\nthree');
add(R`^`, 'g', 'a\nb');
add(R`$`, 'g', 'a\nb\n');
add(R`^$`, 'gm', '\r\n\r\n');
add(R`^`, 'gm', '');
add(R`a$`, 'g', 'a\n');
// \s, \S, \v and friends.
add(R`\s`, 'g', ' \t\n\v\f\r\u00a0\u1680\u2000\u200a\u2028\u2029\u202f\u205f\u3000\ufeff\u180e\u200bx');
add(R`\S+`, 'g', 'ab\u00a0cd\u3000ef\u200bgh');
add(R`\v`, 'g', 'a\u000bb\nc');
add(R`[\s]`, 'g', 'a\u00a0b');
add(R`[^\s]+`, 'g', 'a b\u3000c');
// ASCII-only \w, \d and \b.
add(R`\w+`, 'g', 'abc_09 éa 中文 \u0663x');
add(R`\d+`, 'g', '12\u0663\uff1134');
add(R`\bve\b|ve\B`, 'g', 'love very even ve');
add(R`\b`, 'g', 'ab cé');
add(R`\B`, 'g', 'ab c');
add(R`\W+`, 'g', 'a-é_中 b');
add(R`\D`, 'g', '1a2');
// Control, hex, unicode and octal escapes.
add(R`\cJ\cj`, 'g', '\n\n');
add(R`\c`, 'g', 'a\\cb');
add(R`\c1`, 'g', '\\c1');
add(R`[\c1]`, 'g', '\u0011\\c1');
add(R`[\c_]`, 'g', '\u001f_');
add(R`[\c]`, 'g', '\\c');
add(R`[\c*]+`, 'g', '\\c*');
add(R`\0`, 'g', 'a\u0000b');
add(R`\01`, 'g', '\u0001');
add(R`\08`, 'g', '\u00008');
add(R`\377`, 'g', '\u00ff');
add(R`\400`, 'g', '\u00200');
add(R`\8\9`, 'g', '89');
add(R`\x41\x4`, 'g', 'Ax4');
add(R`\u0041\u004`, 'g', 'Au004');
add(R`\u{2}`, 'g', 'uuu{2}');
add(R`\/\q\-\%`, 'g', '/q-%');
add(R`a\.b`, 'g', 'a.b axb');
add(R`[\b]`, 'g', 'a\bb');
add(R`\t\n\r\f`, 'g', '\t\n\r\f');
// Back-references and their legacy octal fallback.
add(R`(a)\1`, 'g', 'aa ab');
add(R`\1(a)`, 'g', 'a');
add(R`(a\1)`, 'g', 'a');
add(R`(a)\2`, 'g', 'a\u0002');
add(R`(a)\10`, 'g', 'a\u0008 aa0');
add(R`(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)\10`, 'g', 'abcdefghijj');
add(R`(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)\11`, 'g', 'abcdefghija1 abcdefghij\t');
add(R`(a)|b\1`, 'g', 'b');
add(R`(.)\1`, 'g', 'aabbcd\n\n');
add(R`(?<q>['"]).*?\k<q>`, 'g', `'a' "b" 'c"`);
add(R`\k<a>`, 'g', 'k<a>');
add(R`(?<$x>a)(?<_y>b)\k<$x>`, 'g', 'aba');
add(R`(?<\u0061b>x)\k<ab>`, 'g', 'xx');
add(R`(?<é>x)\k<é>`, 'g', 'xx');
add(R`(?<\uD835\uDC65>x)\k<\u{1D465}>\k<𝑥>`, 'g', 'xxx', R`[$<𝑥>]`);
add(R`(?<a\u{1D465}>x)\k<a\uD835\uDC65>`, 'g', 'xx');
add(R`(?<\uD835>x)`, 'g', 'x');
add(R`(?<\uD835\u{DC65}>x)`, 'g', 'x');
// Repeated back-references to a group that has not matched stand for empty text.
add(R`(a)?b\1+`, 'g', 'b');
add(R`\1{2}(a)`, 'g', 'a');
add(R`(x)?y\1{2}`, 'g', 'xy');
add(R`(a)?b\1{2,5}?c`, 'g', 'bc abc abaac');
add(R`(?<q>a)?b\k<q>+`, 'g', 'b ab aba');
// Ignoring case beside a back-reference: letters become classes of both cases.
add(R`(\w+)@\1\.com`, 'gi', 'bob@bob.com bob@bob.COM BOB@bob.Com ann@ANN.cOm');
add(R`(["'])text\1`, 'gi', `"text"`);
add(R`(["'])text\1`, 'gi', `'TEXT' "Text'`);
add(R`(a)\1*b`, 'gi', 'aaab AAAB aAb x');
// A letter and its other case in a class, without ignoring case.
add(R`x[Mm]`, 'g', 'xm xn');
// Character classes.
add(R`[]`, 'g', 'abc');
add(R`[]a]`, 'g', 'a]');
add(R`[^]`, 'g', '\n\r');
add(R`[a-]`, 'g', 'a-b');
add(R`[-a]`, 'g', 'a-b');
add(R`[\d-z]+`, 'g', '1-z a');
add(R`[a-\d]+`, 'g', 'a-5 b');
add(R`[\w-]+`, 'g', 'a-b c');
add(R`[[]`, 'g', '[a]');
add(R`[a\]b]+`, 'g', 'a]b');
add(R`[^abc]+`, 'g', 'abxyc');
add(R`[\u4e00-\u9fa5]+`, 'g', 'ab中文c龥');
add(R`[^\x00-\xff]+`, 'g', 'abc中文ÿ\u0100');
add(R`[\0-\x1f]`, 'g', '\u0000\u001f ');
add(R`[\s\S]`, 'g', 'a\n');
add(R`[^\d\s]+`, 'g', 'ab1 cd');
add('[.*+?^$\\{}()|/]+', 'g', 'a.*+?^${}()|/b');
// Braces that are not quantifiers.
add(R`a{`, 'g', 'a{');
add(R`{`, 'g', '{');
add(R`}`, 'g', '}');
add(R`]`, 'g', ']');
add(R`x{1,2`, 'g', 'x{1,2');
add(R`a{,5}`, 'g', 'a{,5}');
add(R`a{2}{`, 'g', 'aa{');
// Quantifiers.
add(R`a{2}`, 'g', 'aaaaa');
add(R`a{2,}`, 'g', 'a aa aaa');
add(R`a{1,3}`, 'g', 'aaaaa');
add(R`a{0}`, 'g', 'aa');
add(R`(?:x|(?=a)){0}`, 'g', 'ba');
add(R`(?:x|(?=a)){0}$`, 'gm', 'b\na');
add(R`(x|(?=a)){0}`, 'g', 'ba', R`[$1]`);
add(R`(?<=(?:x|(?=a)){0}b)c`, 'g', 'bc ac');
add(R`(?<!(?:xy|z){0}b)c`, 'g', 'bc ac c');
add(R`(?<=(x|yz){0}b\1)c`, 'g', 'bc', R`[$1]`);
add(R`a+?`, 'g', 'aaa');
add(R`a*?b`, 'g', 'aab');
add(R`<.*?>`, 'g', '<a><b>');
add(R`<.*>`, 'g', '<a><b>');
add(R`a{1,3}?`, 'g', 'aaaa');
add(R`(?:ab)+`, 'g', 'ababa');
// Assertions.
add(R`(?=(a))*a`, 'g', 'a');
add(R`(?=a)+a`, 'g', 'ba');
add(R`(?!a)?b`, 'g', 'ab');
add(R`(?=(a))?a`, 'g', 'aa', R`[$1]`);
add(R`x(?=(y))*y`, 'g', 'xy', R`[$1]`);
add(R`(?=(a)){1,2}a`, 'g', 'aa', R`[$1]`);
add(R`a(?=b)`, 'g', 'ab ac');
add(R`a(?!b)`, 'g', 'ab ac');
add(R`(?<=\$)\d+`, 'g', '$10 20 $30');
add(R`(?<!a)b`, 'g', 'ab cb');
add(R`(?<=^|,)x`, 'gm', 'x,x y\nx');
add(R`(?<=ab|c)d`, 'g', 'abd cd bd');
// Look-behinds whose length varies.
add(R`(?<=\$\s*)\d+`, 'g', '$10 $ 20 30 $\n\t40 5$6');
add(R`(?<=(?:Mr|Mrs)\. )\w+`, 'g', 'Mr. Smith, Mrs. Jones, Ms. Brown, Mrs.Lee');
add(R`(?<=(a)\1)b`, 'g', 'ab aab cb', R`[$1]`);
add(R`(?<=(?:)??a)b`, 'g', 'ab cb b');
add(R`(?<=^|\s)#\w+`, 'gm', '#one two#three #four\n#five');
add(R`(?<=\d{1,3})(?=(\d{3})+$)`, 'gm', '1234567\n12\n123456', R`,`);
add(R`(?<!\$\s*)\b\d+`, 'g', '$10 $ 20 30 $\n\t40 5$6');
add(R`(?<!a+|bc*)x`, 'g', 'x ax aaax bx bccx cx');
add(R`(?<=a.*)b`, 'g', 'b ab\nb xxb');
add(R`(?<=\bfoo\s+|bar)\w+`, 'gi', 'FOO  baz food qux BARred');
add(R`(?<=a(?=b)\w*)c`, 'g', 'abxc axc abc ac');
add(R`(?<=x(?<=\w{2})y*)z`, 'g', 'xz axz ayz axyyz');
add(R`(?<=[a-c]{2,}|\d)-`, 'g', 'ab- a- 1- abc-');
add(R`(?<=\.|\.\.\.)x`, 'g', '.x ...x ,x');
add(R`(?:(?<=a+)b)+`, 'g', 'abbb bb aab');
add(R`(?:(?<!,\s*)\w)+`, 'g', 'ab, cd,  ef gh');
add(R`(?<=\s*)x`, 'g', 'x  x');
add(R`(?<=<(b|strong)>).*?(?=</\1>)`, 'g', '<b>x</b> <strong>y</b></strong> <i>z</i>', R`[$1]`);
add(R`(?<!(a|bc))x`, 'g', 'ax bcx cx x', R`[$1]`);
add(R`(?:(?<=(a|bb))c)+`, 'g', 'acbbcac', R`[$1]`);
add(R`(?<=(\d{1,3})x)y`, 'g', '1xy 1234xy xy', R`[$1]`);
add(R`(?<=(?<t>[A-Z]{1,2}) )\d+`, 'g', 'A 1 BC 22 def 3', R`[$<t>]`);
add(R`(?<=\$\s*)(\w)\1`, 'gi', '$ aA $bb cc', R`[$1]`);
add(R`(?<=\$\s*)\d`, 'g', 'x'.repeat(700) + '$' + ' '.repeat(900) + '5 6');
add(R`(?<=(?:ab|b)+)c`, 'g', 'abbabc bc ac');
add(R`(?<=[\u0100-\u0200b]c*)d`, 'g', '\u0150d \u0150ccd bd \u4e2dd d');
add(R`(?<=[中a]\s*)x`, 'g', '中 x a  x bx');
add(R`(?<=É\w*)x`, 'gi', 'éabx Éx ex');
add(R`(?<=((?:a|b)c)\1)d`, 'g', 'acd bcd cd', R`[$1]`);
// Empty matches move on one code unit.
add(R`x*`, 'g', 'axxb');
add(R`a*?`, 'g', 'aa');
add(R``, 'g', 'ab');
add(R`(?:)`, 'g', '');
add(R`\b`, 'g', 'a b');
add(R`a|`, 'g', 'baa');
// Not global: the first match only.
add(R`\d`, '', 'a1b2');
add(R`x*`, '', 'axx');
// Ignore case.
add(R`abc`, 'gi', 'ABC aBc abc');
add(R`[a-z]+`, 'gi', 'HeLLo');
add(R`k`, 'gi', 'kK\u212a');
add(R`s`, 'gi', 'sS\u017f');
add(R`[a-z]`, 'gi', '\u017f\u212a');
add(R`[^a]`, 'gi', 'aAb');
add(R`\W`, 'gi', 'a\u017f');
add(R`é`, 'gi', 'éÉe');
add(R`σ`, 'gi', 'σςΣ');
add(R`[а-я]+`, 'gi', 'ПРИВЕТ мир');
add(R`i`, 'gi', 'iI\u0130\u0131');
add(R`\u0131`, 'gi', 'iI\u0131');
add(R`ß`, 'gi', 'ß\u1e9eSS');
add(R`µ`, 'gi', 'µ\u039c\u03bc');
add(R`[\u00e0-\u00ff]+`, 'gi', 'ÀÉÿŸ');
add(R`\bx\b`, 'gi', 'X é');
add(R`(a)\1`, 'gi', 'aA Aa ab');
add(R`(é)\1`, 'gi', 'éÉ');
add(R`(σ)\1`, 'gi', 'σΣ σς');
add(R`(?<n>b)\k<n>`, 'gi', 'bB');
add(R`(k)\1`, 'gi', 'kK');
add(R`(\w)\1\b`, 'gi', 'aA é');
// Surrogates and NUL stay single code units.
add('\ud83d', 'g', 'a\ud83d\ude00b\ud83d');
add('\ude00', 'g', '\ud83d\ude00\ude00');
add(R`.`, 'g', '\ud83d\ude00');
add(R`[\ud83d\ude00]`, 'g', '\ud83d\ude00');
add('\ud83d\ude00+', 'g', '\ud83d\ude00\ude00');
add(R`\u0000+`, 'g', 'a\u0000\u0000b');
add(R`a.b`, 'g', 'a\u0000b');
add('\u0000', 'g', '\u0000');
// Help-text expressions on small texts.
add(R`\n[\s| ]*\r`, 'g', 'a\n \t\rb\n|\r');
add(R`<(.*)>.*<\/\1>|<(.*) \/>`, 'g', '<b>x</b> <br /> <i>y</b>');
add(R`(^\s*)|(\s*$)`, 'g', '  ab  ');
add(R`[a-zA-z]+:\/\/(\w+(-\w+)*)(\.(\w+(-\w+)*))*(\?\S*)?`, 'g', 'see http://www.my-site.com/path?a=1 or ftp://x_y');
add(R`[\w-]+(\.[\w-]+)*@[\w-]+(\.[\w-]+)+`, 'g', 'mail a.b-c@d-e.org, x@y, p@q.r.s');
// Replacement texts.
add(R`(\w)(\d)?`, 'g', 'a1 b', R`[$1|$2|$&|$$|$0|$00|$3|$]`);
add(R`b`, 'g', 'abc', "($`|$')");
add(R`(a)`, 'g', 'a', R`$01$10$11$011`);
add(R`(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)`, 'g', 'abcdefghijk', R`$11$10$1$010$012`);
add(R`(?<x>a)(?<y>b)?`, 'g', 'a ab', R`<$<y>$<x>$<z>$<x$<>`);
add(R`(a)`, 'g', 'a', R`$<x>`);
add(R`o`, '', 'foo', R`0`);
add(R`o`, 'g', 'foo', R`$`);
add(R`x*`, 'g', 'abc', R`-`);
add(R`\b`, 'g', 'ab cd', R`|`);
add(R`$`, 'gm', 'a\r\nb', R`;`);
add(R`.`, 'g', '中文', R`$&$&`);
// Repeated groups that can match the empty text: once the minimum is met an
// iteration that ends where it began fails, so the loop tries other ways or stops.
for (const [pattern, flags] of [[R`(a*?)*`, 'g'], [R`(|a)+`, 'g'], [R`(a?)*`, 'g'], [R`(a*)*b`, 'g'],
    [R`(?:a|)*`, 'g'], [R`(a|)+?b`, 'g'], [R`(?:)*`, 'g'], [R`(a*)+`, 'g'], [R`((a*)*)*`, 'g'],
    [R`(?:|a){2,}`, 'g'], [R`(?:a*?){2,}b?`, 'g'], [R`(?:|a){2,3}`, 'g'], [R`(|a)?`, 'g'],
    [R`(?:|a)+`, 'g'], [R`(?:|a)+?`, 'g'], [R`(?:|a){1,2}`, 'g'], [R`(?:|ab|a)*?$`, 'g'],
    [R`(?:(?=a)|a)*`, 'g'], [R`(?:\b|a)*`, 'g'], [R`(?:|a)*\1?(a)`, 'g'], [R`(|A)+`, 'gi'],
    [R`(?:|b)*a`, 'gi'], [R`(?:(?:|a)+b)*`, 'g'], [R`((?:|a)*)\1`, 'g']]) {
    add(pattern, flags, 'aab', R`[$1|$2]`);
    add(pattern, flags, 'a', R`[$1|$2]`);
    add(pattern, flags, 'bA');
}
// With back-references, names, look-arounds and caseless back-references.
add(R`(?<x>a|)*\k<x>b`, 'g', 'aab ab b', R`[$<x>|$1]`);
add(R`(|a)+\1(b)\2`, 'g', 'abb aabb', R`[$1|$2]`);
add(R`(|a)+\1`, 'gi', 'aAa', R`[$1]`);
add(R`(?=(a|)*b)(?:(a)|)+`, 'g', 'aab ab', R`[$1|$2]`);
add(R`(?<=xa)(?:|a)*`, 'g', 'xaaa', R`-`);
add(R`(?:(?!a)|a)+`, 'g', 'aab', R`-`);
// The same where an attempt outgrows the search's windows and is tried on
// its own, with the time guards.
add(R`(|a)+y|b`, 'g', 'a'.repeat(3000) + 'y', R`[$1]`);
add(R`(a*?)*y`, 'g', 'a'.repeat(3000) + 'y', R`[$1]`);
add(R`(?:(?:|a){2,}b)+`, 'g', 'ab'.repeat(1500), R`-`);
// Each iteration of a repeated group clears the groups inside it: in $n, in
// back-references within the iteration and after the loop, in look-arounds.
for (const [pattern, flags] of [[R`(?:(a)|b)+`, 'g'], [R`((a)|b)*`, 'g'], [R`(?:(a)|(b))*`, 'g'],
    [R`(?:(a)|b\1)+`, 'g'], [R`(?:(a)|b)+\1`, 'g'], [R`(?:(?<x>a)|b)+\k<x>c?`, 'g'], [R`(?:(?=(a))|b)+`, 'g'],
    [R`(?:(?!(a))b|a)+`, 'g'], [R`(?:(a)|B)+`, 'gi'], [R`^(?:(a)|b)+$`, 'gm'], [R`((a*)b)*`, 'g'],
    [R`(?:x(a)?)*`, 'g'], [R`(?:(\w)\1|\w)+`, 'g'], [R`(?:((a)|b)c?)+`, 'g'], [R`(?:(a)|b)*?$`, 'g'],
    [R`(?:(a)|b)+\1`, 'gi'], [R`(a\1|b)+`, 'g'], [R`(?:(a)|b)+(?=\1)`, 'g'], [R`(?:(?=(a))ab|a)+`, 'g'],
    [R`(?:(?!(a)a)ab|a)+`, 'g']]) {
    add(pattern, flags, 'abba\nab', R`[$1|$2]`);
    add(pattern, flags, 'aAbxaab', R`[$1|$2]`);
}
// What a look-around inside set is dropped when matching backtracks past it.
add(R`(?:(?=(a))ab|a)+`, 'g', 'aba', R`[$1]`);
add(R`(?:(?=(a)b)?a|b)+`, 'g', 'aba', R`[$1]`);
add(R`(?:(?!(a)a)b|a)+`, 'g', 'aab', R`[$1]`);
// Only iterations beyond the minimum must move, also lazily, with an upper
// bound, or with a minimum above 1.
for (const pattern of [R`(|a){1,3}`, R`(|a)+?$`, R`(|a){2,3}`, R`(a|){2,4}`, R`(?:(a)|b|){2,3}?b`,
    R`((a)|b|){2,}?$`, R`(?:(a)|b|){1,3}`, R`(|a){2,}?b`, R`(|a){2,}`, R`(?:(a)|b|){3,}`, R`((a)|\2b|){2,}c?`]) {
    add(pattern, 'g', 'aab', R`[$1|$2]`);
    add(pattern, 'g', 'baa', R`[$1|$2]`);
}
// The same on texts longer than the search's windows.
add(R`(?:(a)|b)+`, 'g', 'ab'.repeat(1500) + 'b', R`[$1]`);
add(R`(|a){1,3}y|(?:(a)|b)+\1`, 'g', 'a'.repeat(3000) + 'y' + 'ab'.repeat(1000) + 'b', R`[$1|$2]`);
// Patterns JavaScript rejects.
for (const bad of [R`(`, R`)`, R`a)`, R`[`, R`[a`, R`a{2,1}`, R`a{1}{2}`, R`*`, R`+a`, R`?`, R`a**`, R`a*??`,
    R`{1}`, R`{1,}`, R`(?<a>x)(?<a>y)`, R`(?<a>x)|(?<a>y)`, R`(?<1a>x)`, R`(?<>x)`, R`(?<a-b>x)`,
    R`(?<a>x)\k<b>`, R`(?<a>x)\k`, R`(?<a>x)\k<a`, R`(?<a>x)[\k]`, R`[z-a]`, R`(?<=a)*`, R`(?<!a)+`,
    R`^*`, R`$+`, R`\b*`, R`\B{2}`, R`(?x)`, R`(?i)a`, R`(?|a)`, R`(?#x)`, R`(?P<a>x)`, R`a++`, R`a?+`,
    R`a{1}??`, "\\", "a\\", R`(?<a`, R`(?=a`, R`(a|b`, R`[\d-\w`]) {
    add(bad, 'g', 'a');
}

const out = cases.map(({ pattern, flags, subject, replacement }) => {
    const result = { pattern, flags, subject };
    let re;
    try {
        re = new RegExp(pattern, flags);
    } catch (e) {
        result.error = true;
        return result;
    }
    const matches = [];
    if (flags.includes('g')) {
        let m;
        while ((m = re.exec(subject))) {
            matches.push([m.index, m[0].length]);
            if (m[0].length === 0) re.lastIndex++;
        }
    } else {
        const m = re.exec(subject);
        if (m) matches.push([m.index, m[0].length]);
    }
    result.matches = matches;
    if (replacement !== undefined) {
        result.replacement = replacement;
        result.replaced = subject.replace(new RegExp(pattern, flags), replacement);
    }
    return result;
});
process.stdout.write(JSON.stringify(out, null, 1) + '\n');
