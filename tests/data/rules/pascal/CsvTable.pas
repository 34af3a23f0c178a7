unit CsvTable;

{ A small CSV reader and writer.
  TCsvTable.LoadFromFile(Name) reads a file; SaveToFile writes it back.
  Quoted fields may hold commas, quotes ("") and line breaks. }

{$mode delphi}{$H+}

interface

uses
  Classes, SysUtils;

type
  ECsvError = class(Exception);

  TCsvRow = array of string;

  TFieldFilter = function(const Value: string): Boolean;

  TCsvTable = class
  private
    FRows: array of TCsvRow;
    FDelimiter: Char;
    function GetCell(Row, Col: Integer): string;
    procedure SetCell(Row, Col: Integer; const Value: string);
    function GetRowCount: Integer;
  public
    constructor Create(ADelimiter: Char = ',');
    destructor Destroy; override;
    procedure Clear;
    procedure AddRow(const Fields: array of string);
    procedure LoadFromFile(const FileName: string);
    procedure SaveToFile(const FileName: string);
    function Find(Col: Integer; const Value: string): Integer;
    function CountMatching(Col: Integer; Filter: TFieldFilter): Integer;
    property Cells[Row, Col: Integer]: string read GetCell write SetCell; default;
    property RowCount: Integer read GetRowCount;
  end;

implementation

const
  Quote = '"';

procedure Fail(const Msg: string; Line: Integer); forward;

// QuoteField(S) wraps S in quotes when it needs them.
function QuoteField(const S: string; Delimiter: Char): string;
var
  I: Integer;
begin
  if (Pos(Delimiter, S) = 0) and (Pos(Quote, S) = 0) and (Pos(#10, S) = 0) then
  begin
    Result := S;
    Exit;
  end;
  Result := Quote;
  for I := 1 to Length(S) do
  begin
    if S[I] = Quote then
      Result := Result + Quote;
    Result := Result + S[I];
  end;
  Result := Result + Quote;
end;

procedure Fail(const Msg: string; Line: Integer);
begin
  raise ECsvError.CreateFmt('line %d: %s', [Line, Msg]);
end;

{ TCsvTable }

constructor TCsvTable.Create(ADelimiter: Char);
begin
  inherited Create;
  FDelimiter := ADelimiter;
end;

destructor TCsvTable.Destroy;
begin
  Clear;
  inherited Destroy;
end;

procedure TCsvTable.Clear;
begin
  SetLength(FRows, 0);
end;

function TCsvTable.GetRowCount: Integer;
begin
  Result := Length(FRows);
end;

function TCsvTable.GetCell(Row, Col: Integer): string;
begin
  if (Row < Length(FRows)) and (Col < Length(FRows[Row])) then
    Result := FRows[Row][Col]
  else
    Result := '';
end;

procedure TCsvTable.SetCell(Row, Col: Integer; const Value: string);
begin
  while Length(FRows) <= Row do
    SetLength(FRows, Length(FRows) + 1);
  if Length(FRows[Row]) <= Col then
    SetLength(FRows[Row], Col + 1);
  FRows[Row][Col] := Value;
end;

procedure TCsvTable.AddRow(const Fields: array of string);
var
  I, N: Integer;
begin
  N := Length(FRows);
  SetLength(FRows, N + 1);
  SetLength(FRows[N], Length(Fields));
  for I := 0 to High(Fields) do
    FRows[N][I] := Fields[I];
end;

procedure TCsvTable.LoadFromFile(const FileName: string);
var
  Text: TStringList;
  Field: string;
  Fields: array of string;
  LineNo, I: Integer;
  InQuotes: Boolean;

  procedure PushField;
  begin
    SetLength(Fields, Length(Fields) + 1);
    Fields[High(Fields)] := Field;
    Field := '';
  end;

  procedure ParseLine(const Line: string);
  var
    C: Integer;
  begin
    C := 1;
    while C <= Length(Line) do
    begin
      if InQuotes then
      begin
        if (Line[C] = Quote) and (C < Length(Line)) and (Line[C + 1] = Quote) then
        begin
          Field := Field + Quote;
          Inc(C);
        end
        else if Line[C] = Quote then
          InQuotes := False
        else
          Field := Field + Line[C];
      end
      else
        case Line[C] of
          '"': InQuotes := True;
        else
          if Line[C] = FDelimiter then PushField else Field := Field + Line[C];
        end;
      Inc(C);
    end;
  end;

begin
  Clear;
  Text := TStringList.Create;
  try
    Text.LoadFromFile(FileName);
    InQuotes := False;
    Field := '';
    for LineNo := 0 to Text.Count - 1 do
    begin
      ParseLine(Text[LineNo]);
      if InQuotes then
        Field := Field + #10
      else
      begin
        PushField;
        AddRow(Fields);
        SetLength(Fields, 0);
      end;
    end;
    if InQuotes then
      Fail('unterminated quoted field', Text.Count);
  finally
    Text.Free;
  end;
end;

procedure TCsvTable.SaveToFile(const FileName: string);
var
  Output: TStringList;
  Line: string;
  R, C: Integer;
begin
  Output := TStringList.Create;
  try
    for R := 0 to High(FRows) do
    begin
      Line := '';
      for C := 0 to High(FRows[R]) do
      begin
        if C > 0 then
          Line := Line + FDelimiter;
        Line := Line + QuoteField(FRows[R][C], FDelimiter);
      end;
      Output.Add(Line);
    end;
    Output.SaveToFile(FileName);
  finally
    Output.Free;
  end;
end;

function TCsvTable.Find(Col: Integer; const Value: string): Integer;
begin
  for Result := 0 to High(FRows) do
    if SameText(Cells[Result, Col], Value) then
      Exit;
  Result := -1;
end;

FUNCTION TCsvTable.CountMatching(Col: Integer; Filter: TFieldFilter): Integer;
var
  R: Integer;
begin
  Result := 0;
  for R := 0 to High(FRows) do
    if Filter(Cells[R, Col]) then
      Inc(Result);
end;

generic class function TCsvTable.Pick<T>(const Cells: array of T; Index: Integer): T;
begin
  Result := Cells[Index];
end;

end.
