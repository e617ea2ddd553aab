<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Form1</name>
    <message>
        <source>ひとつ前のターゲット行列 </source>
        <translation>Previous target </translation>
    </message>
    <message>
        <source>直前のステップを掛ける前のターゲット行列です</source>
        <translation>The target matrix before the last step was applied</translation>
    </message>
    <message>
        <source>ひとつ前のターゲット行列</source>
        <translation>Previous target</translation>
    </message>
    <message>
        <source>現時点のターゲット行列 </source>
        <translation>Current target </translation>
    </message>
    <message>
        <source>これまでのステップをすべて掛けた、今のターゲット行列です</source>
        <translation>The target matrix now, with every step so far applied</translation>
    </message>
    <message>
        <source>現時点のターゲット行列</source>
        <translation>Current target</translation>
    </message>
    <message>
        <source>ゲートの逆行列</source>
        <translation>Gate&apos;s inverse</translation>
    </message>
    <message>
        <source>直前のステップで左から掛けたゲートです。その逆行列がこのステップの因子になります</source>
        <translation>The gate the last step applied from the left; its inverse is this step&apos;s factor</translation>
    </message>
    <message>
        <source>今までのゲートの逆行列</source>
        <translation>Gates so far</translation>
    </message>
    <message>
        <source>これまでのステップのゲートです。「&lt;」「&gt;」で順に表示します</source>
        <translation>The gates of the steps so far; &quot;&lt;&quot; and &quot;&gt;&quot; page through them</translation>
    </message>
    <message>
        <source>ゲート</source>
        <translation>Gate</translation>
    </message>
    <message>
        <source>因子の一覧から表示している因子です。すべてを順に掛けるとターゲット行列に戻ります</source>
        <translation>A factor from the factor list; all of them multiplied in order give back the target</translation>
    </message>
    <message>
        <source>対角より下の赤いセルをクリックすると、それを消す二つのゲートが示されます</source>
        <translation>Click a red cell below the diagonal to see the two gates that clear it</translation>
    </message>
    <message>
        <source>L のゲートの形：暗い赤は 0 でない値になりうる要素、青緑は 0 のままの要素です。灰色はこちらを使っていないときです</source>
        <translation>Shape of the L gate: dark red elements may be nonzero, teal ones stay 0; grey when it is not in use</translation>
    </message>
    <message>
        <source>R のゲートの形：暗い赤は 0 でない値になりうる要素、青緑は 0 のままの要素です。灰色はこちらを使っていないときです</source>
        <translation>Shape of the R gate: dark red elements may be nonzero, teal ones stay 0; grey when it is not in use</translation>
    </message>
    <message>
        <source>ターゲット行列をセット</source>
        <translation>Set target matrix</translation>
    </message>
    <message>
        <source>分解する行列を入力画面で入力し、ターゲット行列にします</source>
        <translation>Type the matrix to decompose in the entry window and make it the target</translation>
    </message>
    <message>
        <source>最終ゲート</source>
        <translation>Final gate</translation>
    </message>
    <message>
        <source>最後のゲートを入力して記録し、因子の一覧を作ります</source>
        <translation>Type and record the final gate, and build the factor list</translation>
    </message>
    <message>
        <source>ターゲット行列をセットすると使えます（最終ゲートは一つの分解に一度だけです）</source>
        <translation>Available once a target is set (one final gate per decomposition)</translation>
    </message>
    <message>
        <source>単一ゲートにする</source>
        <translation>Make single gate</translation>
    </message>
    <message>
        <source>最後のステップのゲートを、制御のない 1 量子ビットゲートにして掛け直します</source>
        <translation>Turns the last step&apos;s gate into an uncontrolled single-qubit gate and applies it again</translation>
    </message>
    <message>
        <source>ゲートを選んでステップを記録すると使えます</source>
        <translation>Available once a gate is chosen and a step recorded</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Back to two-level</translation>
    </message>
    <message>
        <source>「単一ゲートにする」で変えた最後のステップを、元の 2 準位ゲートに戻します（ステップそのものを取り消すのは「一手戻す」です）</source>
        <translation>Turns the last step changed by &quot;Make single gate&quot; back into its two-level gate (&quot;Undo step&quot; takes the step itself back)</translation>
    </message>
    <message>
        <source>「単一ゲートにする」の後で使えます</source>
        <translation>Available after &quot;Make single gate&quot;</translation>
    </message>
    <message>
        <source>ゲート選択（L）</source>
        <translation>Choose L</translation>
    </message>
    <message>
        <source>L の格子に示したゲートを掛けて、ステップとして記録します</source>
        <translation>Applies the gate shown in the L grid and records it as a step</translation>
    </message>
    <message>
        <source>対角より下の赤いセルをクリックすると使えます</source>
        <translation>Available once a red cell below the diagonal is clicked</translation>
    </message>
    <message>
        <source>ゲート選択（R）</source>
        <translation>Choose R</translation>
    </message>
    <message>
        <source>R の格子に示したゲートを掛けて、ステップとして記録します</source>
        <translation>Applies the gate shown in the R grid and records it as a step</translation>
    </message>
    <message>
        <source>因子を五つ前に戻ります</source>
        <translation>Goes back five factors</translation>
    </message>
    <message>
        <source>「最終ゲート」で因子の一覧を作ると使えます</source>
        <translation>Available once &quot;Final gate&quot; has built the factor list</translation>
    </message>
    <message>
        <source>一つ前の因子を表示します</source>
        <translation>Shows the previous factor</translation>
    </message>
    <message>
        <source>次の因子を表示します</source>
        <translation>Shows the next factor</translation>
    </message>
    <message>
        <source>因子を五つ先に進みます</source>
        <translation>Goes forward five factors</translation>
    </message>
    <message>
        <source>一つ前のステップのゲートを表示します</source>
        <translation>Shows the previous step&apos;s gate</translation>
    </message>
    <message>
        <source>次のステップのゲートを表示します</source>
        <translation>Shows the next step&apos;s gate</translation>
    </message>
    <message>
        <source>部分行列 &lt;</source>
        <translation>Part &lt;</translation>
    </message>
    <message>
        <source>部分行列 &gt;</source>
        <translation>Part &gt;</translation>
    </message>
    <message>
        <source>unitaryか調べる</source>
        <translation>Check unitary</translation>
    </message>
    <message>
        <source>ステップ数</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>ゲート名</source>
        <translation>Gate</translation>
    </message>
    <message>
        <source>「積」ボタンで作成（qiskitのデバッグに対応）</source>
        <translation>Made by &quot;Product&quot; (for debugging with qiskit)</translation>
    </message>
    <message>
        <source>表示しているゲートの番号（0 から数えます）</source>
        <translation>The number of the gate shown (counted from 0)</translation>
    </message>
    <message>
        <source>表示している因子が実数の行列か複素数の行列か</source>
        <translation>Whether the factor shown is a real or a complex matrix</translation>
    </message>
    <message>
        <source>表示している因子の番号（0 から数えます）</source>
        <translation>The number of the factor shown (counted from 0)</translation>
    </message>
    <message>
        <source>表示しているゲートの回路図です。上の線が q1、下の線が q0 です</source>
        <translation>The circuit of the gate shown; the top wire is q1, the bottom one q0</translation>
    </message>
    <message>
        <source>今までのゲートの逆行列（回路図）</source>
        <translation>Gates so far (circuit)</translation>
    </message>
    <message>
        <source>表示している因子の回路図です。上の線が q1、下の線が q0 です</source>
        <translation>The circuit of the factor shown; the top wire is q1, the bottom one q0</translation>
    </message>
    <message>
        <source>ゲート（回路図）</source>
        <translation>Gate (circuit)</translation>
    </message>
    <message>
        <source>すべての因子の積と、セットしたターゲット行列との差の最大値です</source>
        <translation>The largest difference between the product of all factors and the target that was set</translation>
    </message>
    <message>
        <source>書き出す回路とターゲット行列との差です。回路が正確でないときだけ表示します</source>
        <translation>The difference between the exported circuit and the target; shown only when the circuit is not exact</translation>
    </message>
    <message>
        <source>分解した回路を OpenQASM、LaTeX、SVG、PNG、JSON のファイルに書き出します</source>
        <translation>Writes the decomposed circuit to an OpenQASM, LaTeX, SVG, PNG or JSON file</translation>
    </message>
    <message>
        <source>ファイルからセット</source>
        <translation>Set from file</translation>
    </message>
    <message>
        <source>ターゲット行列を .gyo、.npy、.qasm ファイルから正確な値のまま読み込みます</source>
        <translation>Reads the target with its exact values from a .gyo, .npy or .qasm file</translation>
    </message>
    <message>
        <source>回路全体</source>
        <translation>Whole circuit</translation>
    </message>
    <message>
        <source>分解全体を一つの回路として別の画面に表示します</source>
        <translation>Shows the whole decomposition as one circuit in a window of its own</translation>
    </message>
    <message>
        <source>一手戻す</source>
        <translation>Undo step</translation>
    </message>
    <message>
        <source>最後のステップを取り消します。最終ゲートも取り消せます（Ctrl+Z）</source>
        <translation>Takes the last step back, the final gate too (Ctrl+Z)</translation>
    </message>
    <message>
        <source>やり直す</source>
        <translation>Redo step</translation>
    </message>
    <message>
        <source>「一手戻す」で取り消したステップを、記録したとおりにもう一度掛けます（Ctrl+Y、Ctrl+Shift+Z）</source>
        <translation>Applies a step taken back by &quot;Undo step&quot; again, exactly as recorded (Ctrl+Y, Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>「一手戻す」で取り消すと使えます。新しいステップを記録すると、やり直せるものはなくなります</source>
        <translation>Available after &quot;Undo step&quot;; a new step leaves nothing to redo</translation>
    </message>
    <message>
        <source>残りを自動で分解</source>
        <translation>Decompose the rest</translation>
    </message>
    <message>
        <source>残りの赤いセルを、行4列1、行3列1、行2列1、行3列2、行4列2、行4列3 の順に「ゲート選択（L）」で消します。一手ずつ取り消せます。枠で囲んだセルが次に消すセルです</source>
        <translation>Clears the remaining red cells with &quot;Choose L&quot; in the order row 4 column 1, row 3 column 1, row 2 column 1, row 3 column 2, row 4 column 2, row 4 column 3; each step can be undone. The framed cell is cleared next</translation>
    </message>
    <message>
        <source>ターゲット行列をセットし、対角より下に赤いセルが残っているときに使えます</source>
        <translation>Available while a target is set and red cells remain below the diagonal</translation>
    </message>
    <message>
        <source>表示しているステップ / ステップの数</source>
        <translation>Step shown / number of steps</translation>
    </message>
    <message>
        <source>表示している因子 / 因子の数</source>
        <translation>Factor shown / number of factors</translation>
    </message>
    <message>
        <source>この列は基底状態 |00⟩（q1 = 0、q0 = 0）</source>
        <translation>This column is the basis state |00⟩ (q1 = 0, q0 = 0)</translation>
    </message>
    <message>
        <source>この行は基底状態 |00⟩（q1 = 0、q0 = 0）</source>
        <translation>This row is the basis state |00⟩ (q1 = 0, q0 = 0)</translation>
    </message>
    <message>
        <source>この列は基底状態 |01⟩（q1 = 0、q0 = 1）</source>
        <translation>This column is the basis state |01⟩ (q1 = 0, q0 = 1)</translation>
    </message>
    <message>
        <source>この行は基底状態 |01⟩（q1 = 0、q0 = 1）</source>
        <translation>This row is the basis state |01⟩ (q1 = 0, q0 = 1)</translation>
    </message>
    <message>
        <source>この列は基底状態 |10⟩（q1 = 1、q0 = 0）</source>
        <translation>This column is the basis state |10⟩ (q1 = 1, q0 = 0)</translation>
    </message>
    <message>
        <source>この行は基底状態 |10⟩（q1 = 1、q0 = 0）</source>
        <translation>This row is the basis state |10⟩ (q1 = 1, q0 = 0)</translation>
    </message>
    <message>
        <source>この列は基底状態 |11⟩（q1 = 1、q0 = 1）</source>
        <translation>This column is the basis state |11⟩ (q1 = 1, q0 = 1)</translation>
    </message>
    <message>
        <source>この行は基底状態 |11⟩（q1 = 1、q0 = 1）</source>
        <translation>This row is the basis state |11⟩ (q1 = 1, q0 = 1)</translation>
    </message>
    <message>
        <source>上の線は q1：状態の番号の上位ビットです</source>
        <translation>The top wire is q1: the high-order bit of the state&apos;s index</translation>
    </message>
    <message>
        <source>下の線は q0：状態の番号の下位ビットです</source>
        <translation>The bottom wire is q0: the low-order bit of the state&apos;s index</translation>
    </message>
    <message>
        <source>次にすることと、直前の操作の結果を示します</source>
        <translation>What to do next, and what the last action did</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>ターゲット行列をセット</source>
        <translation>Set target matrix</translation>
    </message>
    <message>
        <source>QFTセット</source>
        <translation>QFT</translation>
    </message>
    <message>
        <source>IQFTセット</source>
        <translation>IQFT</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>決定して閉じる</source>
        <translation>Set and close</translation>
    </message>
    <message>
        <source>実行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>行列を開く</source>
        <translation>Open matrix</translation>
    </message>
    <message>
        <source>行列を保存</source>
        <translation>Save matrix</translation>
    </message>
    <message>
        <source>テスト行列セット</source>
        <translation>Test matrix</translation>
    </message>
    <message>
        <source>データ格納</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>データ表示</source>
        <translation>Show</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>ユニタリ行列かどうかを調べるための計算</source>
        <translation>Checking whether the matrix is unitary</translation>
    </message>
    <message>
        <source>ターゲット行列</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>ターゲット行列×随伴行列</source>
        <translation>Target × adjoint</translation>
    </message>
    <message>
        <source>随伴行列</source>
        <translation>Adjoint</translation>
    </message>
    <message>
        <source>随伴行列×ターゲット行列</source>
        <translation>Adjoint × target</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>行列を保存</source>
        <translation>Save matrix</translation>
    </message>
    <message>
        <source>ドライブ</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>行列を開く</source>
        <translation>Open matrix</translation>
    </message>
    <message>
        <source>ドライブ</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>CircuitWindow</name>
    <message>
        <source>回路全体</source>
        <translation>Whole circuit</translation>
    </message>
    <message>
        <source>2 準位ゲート</source>
        <translation>Two-level gates</translation>
    </message>
    <message>
        <source>CNOT と 1 量子ビットゲート</source>
        <translation>CNOT and single-qubit gates</translation>
    </message>
    <message>
        <source>回路図</source>
        <translation>Circuit</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>メッセージ</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>このセルはクリック出来ません</source>
        <translation>This cell cannot be clicked</translation>
    </message>
    <message>
        <source>ゲート数が多すぎます</source>
        <translation>Too many gates</translation>
    </message>
    <message>
        <source>回路を書き出す</source>
        <translation>Export circuit</translation>
    </message>
    <message>
        <source>ターゲット行列のファイル</source>
        <translation>Target matrix file</translation>
    </message>
    <message>
        <source>図の番号には -32768 から 32767 までの整数を入力してください</source>
        <translation>Enter a whole number from -32768 to 32767 as the picture&apos;s number</translation>
    </message>
    <message>
        <source>小さすぎる対角要素があります</source>
        <translation>A diagonal element is too small</translation>
    </message>
    <message>
        <source>この行列は逆行列を持ちません</source>
        <translation>This matrix has no inverse</translation>
    </message>
    <message>
        <source>この行列はユニタリーではありません</source>
        <translation>This matrix is not unitary</translation>
    </message>
    <message>
        <source>%1 ファイルは既に存在します。上書きしますか？</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>%1 に保存できませんでした（%2）。</source>
        <translation>Could not save %1 (%2).</translation>
    </message>
    <message>
        <source>%1 を開けませんでした（%2）。</source>
        <translation>Could not open %1 (%2).</translation>
    </message>
    <message>
        <source>ファイル名を入力してください。</source>
        <translation>Enter a file name.</translation>
    </message>
    <message>
        <source>%1 は書き出しませんでした。次の因子は回路にできません。</source>
        <translation>%1 was not written. These factors cannot become a circuit:</translation>
    </message>
    <message>
        <source>JSON ファイルは書き出しました。</source>
        <translation>The JSON file was written.</translation>
    </message>
    <message>
        <source>ここでは回路図を描けません</source>
        <translation>Circuit pictures cannot be drawn here</translation>
    </message>
    <message>
        <source>OpenQASM 2.0 と JSON (*.qasm)</source>
        <translation>OpenQASM 2.0 and JSON (*.qasm)</translation>
    </message>
    <message>
        <source>OpenQASM 2.0、CNOT と 1 量子ビットゲート、と JSON (*.qasm)</source>
        <translation>OpenQASM 2.0, CNOT and single-qubit gates, and JSON (*.qasm)</translation>
    </message>
    <message>
        <source>OpenQASM 3.0、CNOT と 1 量子ビットゲート (*.qasm)</source>
        <translation>OpenQASM 3.0, CNOT and single-qubit gates (*.qasm)</translation>
    </message>
    <message>
        <source>LaTeX、CNOT と 1 量子ビットゲート (*.tex)</source>
        <translation>LaTeX, CNOT and single-qubit gates (*.tex)</translation>
    </message>
    <message>
        <source>SVG、CNOT と 1 量子ビットゲート (*.svg)</source>
        <translation>SVG, CNOT and single-qubit gates (*.svg)</translation>
    </message>
    <message>
        <source>PNG、CNOT と 1 量子ビットゲート (*.png)</source>
        <translation>PNG, CNOT and single-qubit gates (*.png)</translation>
    </message>
    <message>
        <source>%1修正が必要なセルは%2行%3列です。 %4</source>
        <translation>%1 The cell to correct is row %2, column %3. %4</translation>
    </message>
    <message>
        <source>数字の桁数が多すぎます。</source>
        <translation>Too many digits.</translation>
    </message>
    <message>
        <source>数字の数が多すぎます。</source>
        <translation>Too many numbers.</translation>
    </message>
    <message>
        <source>書式に間違いがあります。</source>
        <translation>The format is wrong.</translation>
    </message>
    <message>
        <source>+ は必要ありません。</source>
        <translation>No + is needed.</translation>
    </message>
    <message>
        <source>入力データに間違いがあります。</source>
        <translation>The input is wrong.</translation>
    </message>
    <message>
        <source>+ - の数が多すぎます。</source>
        <translation>Too many + and - signs.</translation>
    </message>
    <message>
        <source>i の位置が間違っています。</source>
        <translation>The i is in the wrong place.</translation>
    </message>
    <message>
        <source>i が必要です。</source>
        <translation>An i is needed.</translation>
    </message>
    <message>
        <source>使用できない文字があります。</source>
        <translation>A character that cannot be used.</translation>
    </message>
    <message>
        <source>文字数が多すぎます。</source>
        <translation>Too many characters.</translation>
    </message>
    <message>
        <source>小数点の数が多すぎます。</source>
        <translation>Too many decimal points.</translation>
    </message>
    <message>
        <source>+ の数が多すぎます。</source>
        <translation>Too many + signs.</translation>
    </message>
    <message>
        <source>- の数が多すぎます。</source>
        <translation>Too many - signs.</translation>
    </message>
    <message>
        <source>見つかりません</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>アクセスが許可されていません</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません</source>
        <translation>not enough space on the disk</translation>
    </message>
    <message>
        <source>フォルダです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>途中にフォルダでないものがあります</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>読み取り専用のファイルシステムです</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>ファイルの大きさの上限を超えます</source>
        <translation>the file would exceed the size limit</translation>
    </message>
    <message>
        <source>入出力エラーが起きました</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>シンボリックリンクが多すぎます</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>エラー: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります</source>
        <translation>a folder has the same name</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>名前に NUL 文字が含まれています</source>
        <translation>the name contains a NUL character</translation>
    </message>
    <message>
        <source>ファイル名に「/」や NUL 文字は使えません</source>
        <translation>a file name cannot contain &quot;/&quot; or NUL</translation>
    </message>
    <message>
        <source>「.」で始まる名前は一覧に表示されないので使えません</source>
        <translation>names starting with &quot;.&quot; are not listed, so they cannot be used</translation>
    </message>
    <message>
        <source>大きすぎます（%1 バイトまで）</source>
        <translation>too large (at most %1 bytes)</translation>
    </message>
    <message>
        <source>長さが %1 バイトしかなく、256 バイトに足りません</source>
        <translation>only %1 bytes long, short of 256 bytes</translation>
    </message>
    <message>
        <source>数でない値（NaN）か無限大が含まれています</source>
        <translation>contains a value that is not a number (NaN) or infinite</translation>
    </message>
    <message>
        <source>構造化された型の配列は読みません</source>
        <translation>arrays of a structured type are not read</translation>
    </message>
    <message>
        <source>ヘッダーが読めません</source>
        <translation>the header cannot be read</translation>
    </message>
    <message>
        <source>Python オブジェクトの配列（pickle）は読みません</source>
        <translation>arrays of Python objects (pickle) are not read</translation>
    </message>
    <message>
        <source>型が &apos;%1&apos; の配列です。complex128 か float64 が必要です</source>
        <translation>an array of type &apos;%1&apos;; complex128 or float64 is needed</translation>
    </message>
    <message>
        <source>型が &apos;%1&apos; の配列です。バイト順（&lt; か &gt;）が必要です</source>
        <translation>an array of type &apos;%1&apos;; a byte order (&lt; or &gt;) is needed</translation>
    </message>
    <message>
        <source>NumPy の .npy ファイルではありません</source>
        <translation>not a NumPy .npy file</translation>
    </message>
    <message>
        <source>ヘッダーの途中で終わっています</source>
        <translation>ends inside the header</translation>
    </message>
    <message>
        <source>NumPy 形式のバージョン %1.%2 には対応していません</source>
        <translation>NumPy format version %1.%2 is not supported</translation>
    </message>
    <message>
        <source>ヘッダーが長すぎます（%1 バイトまで）</source>
        <translation>the header is too long (at most %1 bytes)</translation>
    </message>
    <message>
        <source>形が %1 の配列です。4×4 の配列が必要です</source>
        <translation>an array of shape %1; a 4×4 array is needed</translation>
    </message>
    <message>
        <source>データが %1 バイトしかなく、%2 バイトに足りません</source>
        <translation>only %1 bytes of data, short of %2 bytes</translation>
    </message>
    <message>
        <source>データの後に余分な %1 バイトがあります</source>
        <translation>%1 extra bytes after the data</translation>
    </message>
    <message>
        <source>%1 行目：%2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>閉じていない文字列があります</source>
        <translation>a string is not closed</translation>
    </message>
    <message>
        <source>数 %1 の書き方が正しくありません</source>
        <translation>the number %1 is not written correctly</translation>
    </message>
    <message>
        <source>使えない文字 %1 があります</source>
        <translation>the character %1 cannot be used</translation>
    </message>
    <message>
        <source>使えない文字（0x%1）があります</source>
        <translation>a character that cannot be used (0x%1)</translation>
    </message>
    <message>
        <source>0 で割っています</source>
        <translation>division by 0</translation>
    </message>
    <message>
        <source>式の入れ子が深すぎます（%1 段まで）</source>
        <translation>expressions nested too deeply (at most %1 levels)</translation>
    </message>
    <message>
        <source>数 %1 は大きすぎるか小さすぎます</source>
        <translation>the number %1 is too large or too small</translation>
    </message>
    <message>
        <source>知らない名前 %1 です</source>
        <translation>unknown name %1</translation>
    </message>
    <message>
        <source>値が有限になりません</source>
        <translation>the value is not finite</translation>
    </message>
    <message>
        <source>%1が必要です（%2）</source>
        <translation>%1 expected (%2)</translation>
    </message>
    <message>
        <source>%1があります</source>
        <translation>found %1</translation>
    </message>
    <message>
        <source>ファイルが終わっています</source>
        <translation>the file ends</translation>
    </message>
    <message>
        <source>ファイルの終わり</source>
        <translation>the end of the file</translation>
    </message>
    <message>
        <source>文字列</source>
        <translation>a string</translation>
    </message>
    <message>
        <source>数か式</source>
        <translation>a number or expression</translation>
    </message>
    <message>
        <source>文</source>
        <translation>a statement</translation>
    </message>
    <message>
        <source>ファイル名</source>
        <translation>a file name</translation>
    </message>
    <message>
        <source>レジスタの名前</source>
        <translation>a register name</translation>
    </message>
    <message>
        <source>整数</source>
        <translation>an integer</translation>
    </message>
    <message>
        <source>量子ビット</source>
        <translation>a qubit</translation>
    </message>
    <message>
        <source>量子レジスタは 2 量子ビットのもの一つだけにしてください</source>
        <translation>use exactly one quantum register, of 2 qubits</translation>
    </message>
    <message>
        <source>最初に OPENQASM 2.0; が必要です</source>
        <translation>OPENQASM 2.0; must come first</translation>
    </message>
    <message>
        <source>読めるのは OPENQASM 2.0 だけです</source>
        <translation>only OPENQASM 2.0 can be read</translation>
    </message>
    <message>
        <source>%1 は使えません（測定・リセット・条件は行列になりません）</source>
        <translation>%1 cannot be used (measurements, resets and conditions are not matrices)</translation>
    </message>
    <message>
        <source>opaque は使えません（中身のないゲートは行列になりません）</source>
        <translation>opaque cannot be used (a gate without a body is not a matrix)</translation>
    </message>
    <message>
        <source>gate による定義は使えません（qelib1.inc のゲートを使ってください）</source>
        <translation>gate definitions cannot be used (use the gates of qelib1.inc)</translation>
    </message>
    <message>
        <source>OPENQASM 2.0; は最初に一度だけ書きます</source>
        <translation>OPENQASM 2.0; comes once, first</translation>
    </message>
    <message>
        <source>読み込めるのは qelib1.inc だけです</source>
        <translation>only qelib1.inc can be included</translation>
    </message>
    <message>
        <source>知らないゲート %1 です</source>
        <translation>unknown gate %1</translation>
    </message>
    <message>
        <source>%1 はパラメーターを取りません</source>
        <translation>%1 takes no parameters</translation>
    </message>
    <message>
        <source>%1 にはパラメーターが %2 個必要です（%3 個あります）</source>
        <translation>%1 needs %2 parameters (%3 given)</translation>
    </message>
    <message>
        <source>%1 には量子ビットが %2 個必要です（%3 個あります）</source>
        <translation>%1 needs %2 qubits (%3 given)</translation>
    </message>
    <message>
        <source>%1 の二つの量子ビットが同じです</source>
        <translation>the two qubits of %1 are the same</translation>
    </message>
    <message>
        <source>%1 は古典レジスタです</source>
        <translation>%1 is a classical register</translation>
    </message>
    <message>
        <source>レジスタ %1 は宣言されていません</source>
        <translation>register %1 is not declared</translation>
    </message>
    <message>
        <source>レジスタ全体にはゲートを掛けられません（%1[0] のように番号を付けてください）</source>
        <translation>a gate cannot act on a whole register (give an index, as in %1[0])</translation>
    </message>
    <message>
        <source>%1[%2] は範囲外です（番号は 0 と 1 です）</source>
        <translation>%1[%2] is out of range (the indices are 0 and 1)</translation>
    </message>
    <message>
        <source>名前 %1 は既に使われています</source>
        <translation>the name %1 is already used</translation>
    </message>
    <message>
        <source>「ターゲット行列をセット」で行列を入力するか、「ファイルからセット」で読み込んでください</source>
        <translation>Type a matrix with &quot;Set target matrix&quot;, or read one with &quot;Set from file&quot;</translation>
    </message>
    <message>
        <source>対角より下の赤いセルをクリックしてください</source>
        <translation>Click a red cell below the diagonal</translation>
    </message>
    <message>
        <source>これ以上ステップは記録できません。「最終ゲート」で仕上げてください</source>
        <translation>No more steps can be recorded. Finish with &quot;Final gate&quot;</translation>
    </message>
    <message>
        <source>対角より下はすべて青です。「最終ゲート」で仕上げてください</source>
        <translation>Everything below the diagonal is blue. Finish with &quot;Final gate&quot;</translation>
    </message>
    <message>
        <source>行%1列%2を選びました。このセルを消すゲートを「ゲート選択（L）」か「ゲート選択（R）」で選んでください</source>
        <translation>Row %1, column %2 picked. Choose the gate that clears it: &quot;Choose L&quot; or &quot;Choose R&quot;</translation>
    </message>
    <message>
        <source>ステップ %1（%2）を記録しました。%3</source>
        <translation>Step %1 (%2) recorded. %3</translation>
    </message>
    <message>
        <source>ステップ %1 を単一ゲートにしました。%2</source>
        <translation>Step %1 made a single gate. %2</translation>
    </message>
    <message>
        <source>ステップ %1 を 2 準位ゲートに戻しました。%2</source>
        <translation>Step %1 back to a two-level gate. %2</translation>
    </message>
    <message>
        <source>ステップ %1 を取り消しました。%2</source>
        <translation>Step %1 taken back. %2</translation>
    </message>
    <message>
        <source>最終ゲートを取り消しました。%1</source>
        <translation>Final gate taken back. %1</translation>
    </message>
    <message>
        <source>ステップ %1（%2）をやり直しました。%3</source>
        <translation>Step %1 (%2) redone. %3</translation>
    </message>
    <message>
        <source>最終ゲートをやり直しました。因子は %1 個です</source>
        <translation>Final gate redone. %1 factors</translation>
    </message>
    <message>
        <source>最終ゲートを記録しました。因子は %1 個です。「&lt;」「&gt;」で順に見られます</source>
        <translation>Final gate recorded: %1 factors. &quot;&lt;&quot; and &quot;&gt;&quot; page through them</translation>
    </message>
    <message>
        <source>残りを自動で分解しました（%1 ステップ）。%2</source>
        <translation>The rest decomposed (steps: %1). %2</translation>
    </message>
    <message>
        <source>書き出しました：%1</source>
        <translation>Written: %1</translation>
    </message>
    <message>
        <source>%1、%2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>複素数</source>
        <translation>complex</translation>
    </message>
    <message>
        <source>実数</source>
        <translation>real</translation>
    </message>
    <message>
        <source>最終ゲートを作成</source>
        <translation>Make the final gate</translation>
    </message>
    <message>
        <source>最終ゲート行列</source>
        <translation>Final gate</translation>
    </message>
    <message>
        <source>最終ゲート行列×随伴行列</source>
        <translation>Final gate × adjoint</translation>
    </message>
    <message>
        <source>随伴行列×最終ゲート行列</source>
        <translation>Adjoint × final gate</translation>
    </message>
    <message>
        <source>再構成誤差 %1</source>
        <translation>Reconstruction error %1</translation>
    </message>
    <message>
        <source>回路と目標の差 %1</source>
        <translation>Circuit vs. target %1</translation>
    </message>
    <message>
        <source>CNOT %1 個（最小 %2 個）</source>
        <translation>%1 CNOTs (fewest %2)</translation>
    </message>
    <message>
        <source>因子</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>因子 %1（残り）</source>
        <translation>factor %1 (rest)</translation>
    </message>
    <message>
        <source>因子 %1（%2）</source>
        <translation>factor %1 (%2)</translation>
    </message>
    <message>
        <source>%1：%2。</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>有限でない値（NaN や無限大）を含みます</source>
        <translation>holds a value that is not finite (NaN or infinity)</translation>
    </message>
    <message>
        <source>零行列です</source>
        <translation>is the zero matrix</translation>
    </message>
    <message>
        <source>ユニタリー行列の正の定数倍ではありません</source>
        <translation>is not a positive multiple of a unitary matrix</translation>
    </message>
    <message>
        <source>1 量子ビットゲート、1 ビットだけ異なる 2 状態の 2 準位ゲート、対角行列のどれでもありません</source>
        <translation>is neither a single-qubit gate, nor a two-level gate on two states one bit apart, nor diagonal</translation>
    </message>
    <message>
        <source>行%1列%2</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source>L 行%1列%2</source>
        <translation>L row %1, column %2</translation>
    </message>
    <message>
        <source>R 行%1列%2</source>
        <translation>R row %1, column %2</translation>
    </message>
    <message>
        <source>非ゼロ</source>
        <translation>nonzero</translation>
    </message>
    <message>
        <source>ゼロ</source>
        <translation>zero</translation>
    </message>
    <message>
        <source>選択中</source>
        <translation>picked</translation>
    </message>
    <message>
        <source>使わない</source>
        <translation>not used</translation>
    </message>
    <message>
        <source>ゲートでゼロ</source>
        <translation>zero in the gate</translation>
    </message>
    <message>
        <source>ゲートで非ゼロ</source>
        <translation>nonzero in the gate</translation>
    </message>
    <message>
        <source>F%1 (残り)</source>
        <translation>F%1 (rest)</translation>
    </message>
    <message>
        <source>書き出しませんでした。次の因子は回路にできません。</source>
        <translation>not written. These factors cannot become a circuit:</translation>
    </message>
    <message>
        <source>標準出力に書けません</source>
        <translation>cannot write to standard output</translation>
    </message>
    <message>
        <source>保存できませんでした（%1）</source>
        <translation>could not save (%1)</translation>
    </message>
</context>
</TS>
