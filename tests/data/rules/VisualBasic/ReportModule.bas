Attribute VB_Name = "ReportModule"
' ReportModule: builds the monthly sales report in the "Report" sheet.
' Sub BuildReport() is the entry point; comment lines are no headers.
Option Explicit

Private Declare PtrSafe Function GetTickCount Lib "kernel32" () As Long
Private Declare PtrSafe Sub Sleep Lib "kernel32" (ByVal ms As Long)

Public Const REPORT_SHEET As String = "Report"
Private Const HEADER_ROW As Long = 3

Private mStarted As Long
Private mRowCount As Long

Public Enum ReportStatus
    rsNone = 0
    rsBuilt = 1
    rsFailed = 2
End Enum

Private Type SalesLine
    Region As String
    Product As String
    Amount As Currency
End Type

Public Sub BuildReport()
    Dim lines() As SalesLine
    Dim status As ReportStatus
    mStarted = GetTickCount()
    On Error GoTo Failed
    lines = ReadSales(ThisWorkbook.Worksheets("Data"))
    If UBound(lines) < 0 Then
        MsgBox "Sub BuildReport: no data", vbExclamation
        Exit Sub
    End If
    ClearSheet REPORT_SHEET
    WriteHeader
    WriteLines lines
    Call WriteTotals(lines)
    status = rsBuilt
    Debug.Print "report built in " & Elapsed() & " ms"
    Exit Sub
Failed:
    status = rsFailed
    MsgBox "Report failed: " & Err.Description, vbCritical
End Sub

Private Function ReadSales(ByVal ws As Worksheet) As SalesLine()
    Dim result() As SalesLine
    Dim lastRow As Long, r As Long, n As Long
    lastRow = ws.Cells(ws.Rows.Count, 1).End(xlUp).Row
    If lastRow < 2 Then
        ReadSales = result
        Exit Function
    End If
    ReDim result(0 To lastRow - 2)
    For r = 2 To lastRow
        With result(n)
            .Region = Trim$(ws.Cells(r, 1).Value)
            .Product = Trim$(ws.Cells(r, 2).Value)
            .Amount = CCur(ws.Cells(r, 3).Value)
        End With
        n = n + 1
    Next r
    ReadSales = result
End Function

Private Sub ClearSheet(ByVal name As String)
    With ThisWorkbook.Worksheets(name)
        .Cells.ClearContents
        .Cells.Font.Bold = False
    End With
End Sub

Private Sub WriteHeader()
    Dim ws As Worksheet
    Set ws = ThisWorkbook.Worksheets(REPORT_SHEET)
    ws.Cells(1, 1).Value = "Monthly sales"
    ws.Cells(HEADER_ROW, 1).Value = "Region"
    ws.Cells(HEADER_ROW, 2).Value = "Product"
    ws.Cells(HEADER_ROW, 3).Value = "Amount"
    ws.Rows(HEADER_ROW).Font.Bold = True
End Sub

Private Sub WriteLines(lines() As SalesLine)
    Dim ws As Worksheet
    Dim i As Long
    Set ws = ThisWorkbook.Worksheets(REPORT_SHEET)
    For i = LBound(lines) To UBound(lines)
        ws.Cells(HEADER_ROW + 1 + i, 1).Value = lines(i).Region
        ws.Cells(HEADER_ROW + 1 + i, 2).Value = lines(i).Product
        ws.Cells(HEADER_ROW + 1 + i, 3).Value = lines(i).Amount
    Next i
    mRowCount = UBound(lines) - LBound(lines) + 1
End Sub

Private Sub WriteTotals(lines() As SalesLine)
    Dim totals As Object
    Dim i As Long, row As Long
    Dim key As Variant
    Set totals = CreateObject("Scripting.Dictionary")
    For i = LBound(lines) To UBound(lines)
        totals(lines(i).Region) = totals(lines(i).Region) + lines(i).Amount
    Next i
    row = HEADER_ROW + mRowCount + 2
    For Each key In totals.Keys
        ThisWorkbook.Worksheets(REPORT_SHEET).Cells(row, 1).Value = key
        ThisWorkbook.Worksheets(REPORT_SHEET).Cells(row, 3).Value = totals(key)
        row = row + 1
    Next key
End Sub

Public Function Elapsed() As Long
    Elapsed = GetTickCount() - mStarted
End Function

Public Property Get RowCount() As Long
    RowCount = mRowCount
End Property

Public Property Let RowCount(ByVal value As Long)
    If value < 0 Then Err.Raise 5, , "RowCount must not be negative"
    mRowCount = value
End Property

Friend Function FormatAmount(ByVal amount As Currency) As String
    Select Case amount
        Case Is < 0
            FormatAmount = "(" & Format$(-amount, "#,##0.00") & ")"
        Case Else
            FormatAmount = Format$(amount, "#,##0.00")
    End Select
End Function

Static Sub CountCalls()
    Dim calls As Long
    calls = calls + 1
    Debug.Print "called " & calls & " times"
End Sub

Rem Sub OldReport() was replaced by BuildReport
Private Function SafeDivide(ByVal a As Double, ByVal b As Double) As Double
    If b = 0 Then
        SafeDivide = 0
    Else
        SafeDivide = a / b
    End If
End Function

Public Sub WaitBriefly()
    Dim t As Long
    t = GetTickCount()
    Do While GetTickCount() - t < 200
        DoEvents
        Sleep 10
    Loop
End Sub

Private Sub Worksheet_Change(ByVal Target As Range)
    If Not Intersect(Target, Me.Range("A:C")) Is Nothing Then
        Application.StatusBar = "Data changed; run BuildReport again"
    End If
End Sub

Public Function Describe() As String
    Dim text As String
    text = "Report with " & mRowCount & " lines"
    If mRowCount = 0 Then text = text & " (Function BuildReport not run yet)"
    Describe = text
End Function
