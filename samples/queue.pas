program QueueDemo;
{ A ring buffer queue: a sample file for trying the search. }

const
  Capacity = 8;

type
  TQueue = record
    Items: array[0..Capacity - 1] of Integer;
    Head, Count: Integer;
  end;

procedure InitQueue(var Q: TQueue);
begin
  Q.Head := 0;
  Q.Count := 0;
end;

function Push(var Q: TQueue; Value: Integer): Boolean;
begin
  Push := Q.Count < Capacity;
  if Q.Count < Capacity then
  begin
    Q.Items[(Q.Head + Q.Count) mod Capacity] := Value;
    Q.Count := Q.Count + 1;
  end;
end;

function Pop(var Q: TQueue; var Value: Integer): Boolean;
begin
  Pop := Q.Count > 0;
  if Q.Count > 0 then
  begin
    Value := Q.Items[Q.Head];
    Q.Head := (Q.Head + 1) mod Capacity;
    Q.Count := Q.Count - 1;
  end;
end;

var
  Q: TQueue;
  I, V: Integer;
begin
  InitQueue(Q);
  for I := 1 to 10 do
    if not Push(Q, I * I) then
      WriteLn('queue full at ', I);
  while Pop(Q, V) do
    WriteLn(V);
end.
